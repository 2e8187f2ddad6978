#include "storage/DocumentFileDialogs.h"

namespace orvane {

namespace {

FileDialogRequest DatabaseFiles()
{
    FileDialogRequest request;
    request.filters = {{"Orvane Files (*.pgr)", "*.pgr"}, {"All Files (*.*)", "*.*"}};
    request.defaultExtension = "pgr";
    return request;
}

}  // namespace

FileDialogRequest DocumentFileDialogs::OpenRequest()
{
    FileDialogRequest request = DatabaseFiles();
    request.mustExist = true;
    return request;
}

FileDialogRequest DocumentFileDialogs::SaveRequest(const std::string& initialName)
{
    FileDialogRequest request = DatabaseFiles();
    request.initialName = initialName;
    request.confirmOverwrite = true;
    return request;
}

}  // namespace orvane
