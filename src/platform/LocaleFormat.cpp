#include "platform/LocaleFormat.h"

#include "platform/PictureLocale.h"

namespace orvane {

namespace {
const LocaleFormat* g_userDefault = nullptr;
}

const LocaleFormat& LocaleFormat::UserDefault()
{
    static const PictureLocale unitedStates(LocaleNames::UnitedStates());
    return g_userDefault ? *g_userDefault : unitedStates;
}

void LocaleFormat::SetUserDefault(const LocaleFormat* locale)
{
    g_userDefault = locale;
}

}  // namespace orvane
