#include "editors/frame/editor_tabs.h"

#include "model/project.h"

namespace zim {

namespace {

constexpr const char* standardParameters = "Standard Parameters";

// Control kinds of ButtonControl and StaticControl records.
constexpr int32_t classicButton = 0;
constexpr int32_t imageButton = 1;
constexpr int32_t textStatic = 0;
constexpr int32_t graphicsStatic = 1;
constexpr int32_t imageStatic = 2;

const char* const windowTooltips[] = {
    "Here you can set basic parameters - window type (standard or dialog), appearance type, "
    "window size and position...",
    "Here you can set basic parameters of window class - icons, cursor, style and background "
    "color...",
    "Here you can set style and extended style for window...",
    "Here you can insert various background images to be displayed on the window...",
    "Here you can insert control elements - buttons and static controls on your window...",
};

const char* const buttonTooltips[] = {
    "Here you can set basic parameters - button type, size and position...",
    "Here you can select additional styles for the button...",
    "Here you can select extended styles for the button...",
    "Here you can insert background image to be displayed on the button...",
    "",
};

constexpr const char* staticImageTooltip =
    "Here you can insert background image to be displayed on the static control...";

const char* const staticTooltips[] = {
    "Here you can set basic parameters - static control size and position...",
    "Here you can select styles for the static control...",
    "Here you can select extended styles for the Static...",
    staticImageTooltip,
    "",
};

std::vector<EditorTab> buttonTabs(int32_t kind) {
    switch (kind) {
    case classicButton:
        return {{standardParameters, EditorPage::classicButtonBasic},
                {"Styles", EditorPage::classicButtonStyles}};
    case imageButton:
        return {{standardParameters, EditorPage::imageButtonBasic},
                {"Styles", EditorPage::imageButtonStyles},
                {"Extended Styles", EditorPage::imageButtonExtendedStyles},
                {"Misc. Parameters", EditorPage::imageButtonMisc}};
    default:
        return {};
    }
}

std::vector<EditorTab> staticTabs(int32_t kind) {
    switch (kind) {
    case textStatic:
        return {{standardParameters, EditorPage::textStaticBasic},
                {"Styles", EditorPage::textStaticStyles}};
    case graphicsStatic:
        return {{standardParameters, EditorPage::graphicsStaticBasic}};
    case imageStatic:
        return {{standardParameters, EditorPage::imageStaticBasic},
                {"Background Image", EditorPage::imageStaticBackgroundImage}};
    default:
        return {};
    }
}

std::vector<EditorTab> windowTabs() {
    return {{"Type/Appearance/Size", EditorPage::windowTypeAppearanceSize},
            {"Background Data", EditorPage::windowClassData},
            {"Window Style(s)", EditorPage::windowStyles},
            {"Background Images", EditorPage::windowBackgroundImages},
            {"Buttons and Static Controls", EditorPage::windowControls}};
}

bool isTabPosition(int position) {
    return position >= firstTabPosition && position <= lastTabPosition;
}

} // namespace

std::vector<EditorTab> editorTabs(int32_t objectKind, int32_t controlKind) {
    switch (objectKind) {
    case objectWindow:
    case objectDialog:
        return windowTabs();
    case objectButton:
        return buttonTabs(controlKind);
    case objectStatic:
        return staticTabs(controlKind);
    default:
        return {};
    }
}

EditorPage directPage(int32_t objectKind) {
    switch (objectKind) {
    case objectProgram:
        return EditorPage::program;
    case objectWallpaper:
        return EditorPage::wallpaper;
    case objectBackgroundImage:
        return EditorPage::backgroundImage;
    default:
        return EditorPage::none;
    }
}

const char* tabTooltip(int32_t objectKind, int32_t controlKind, int position) {
    if (!isTabPosition(position))
        return "";
    switch (objectKind) {
    case objectWindow:
    case objectDialog:
        return windowTooltips[position];
    case objectButton:
        return buttonTooltips[position];
    case objectStatic:
        // An image static's second tab holds its image, not its styles.
        if (controlKind == imageStatic && position == 1)
            return staticImageTooltip;
        return staticTooltips[position];
    default:
        return "";
    }
}

const char* frameTitle(int32_t objectKind) {
    switch (objectKind) {
    case objectProgram:
        return "ZIM Program - Basic Parameters";
    case objectWallpaper:
        return "ZIM Wallpaper - Basic Parameters";
    case objectBackgroundImage:
        return "ZIM Background Image - Basic Parameters";
    case objectWindow:
    case objectDialog:
        return "ZIM Window - Basic Parameters";
    case objectButton:
        return "ZIM Button - Basic Parameters";
    case objectStatic:
        return "ZIM Static Control - Basic Parameters";
    default:
        return "";
    }
}

} // namespace zim
