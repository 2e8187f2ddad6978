#pragma once

namespace orvane {

// Something that shows the open document and refills itself when told to.
class DocumentView {
public:
    virtual ~DocumentView() = default;
    // The database changed: re-read it and refill.
    virtual void OnUpdate() = 0;
    // The document's path changed (the title follows it).
    virtual void OnPathChanged() {}
};

}  // namespace orvane
