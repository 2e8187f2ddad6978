#pragma once

#include "platform/LocaleFormat.h"
#include "platform/LocaleNames.h"

namespace orvane {

// Locale formatting driven by a set of names and pictures. With the United States names
// it is the fixed convention of the command line and the tests; the window builds one
// from the desktop's locale.
class PictureLocale : public LocaleFormat {
public:
    explicit PictureLocale(LocaleNames names) : m_names(std::move(names)) {}

    std::string FormatDate(const SystemTime& time, DateStyle style,
                           std::string_view picture = {}) const override;
    std::string FormatTime(const SystemTime& time, TimeStyle style,
                           std::string_view picture = {}) const override;
    std::optional<SystemTime> ParseDate(std::string_view text) const override;
    std::optional<SystemTime> ParseTime(std::string_view text) const override;

    const LocaleNames& Names() const { return m_names; }

private:
    LocaleNames m_names;
};

}  // namespace orvane
