#include "editors/controls/static_text_attributes.h"

namespace zim {

namespace {

bool customScheme(const StaticControl& copy) {
    return copy.customColours != 0;
}

bool take(int32_t& field, int32_t value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

TextAttributeControls textAttributeControls(const StaticControl& copy) {
    const bool custom = customScheme(copy);
    const bool opaque = copy.opaque != 0;
    return {{{{customSchemeRadio, " Custom Scheme", custom, true},
              {windowsDefaultRadio, " Windows Default", !custom, true}}},
            {{{transparentDrawingRadio, " Transparent Drawing", custom && !opaque, custom},
              {opaqueDrawingRadio, " Opaque Drawing", custom && opaque, custom}}},
            custom};
}

bool chooseTextAttribute(StaticControl& copy, int radioId) {
    switch (radioId) {
    case customSchemeRadio:
        return take(copy.customColours, 1);
    case windowsDefaultRadio:
        return take(copy.customColours, 0);
    case transparentDrawingRadio:
        return customScheme(copy) && take(copy.opaque, 0);
    case opaqueDrawingRadio:
        return customScheme(copy) && take(copy.opaque, 1);
    default:
        return false;
    }
}

} // namespace zim
