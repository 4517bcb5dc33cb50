#include "editors/controls/image_selection.h"

namespace zim {

namespace {

constexpr const char* cancelled = "Operation was canceled...";

constexpr const char* standardIconTitle = "Select new standard icon";
constexpr const char* standardIconCaption = "New button icon selection...";
constexpr int firstStandardIcon = 1;
constexpr int lastStandardIcon = 6;

constexpr const char* iconTitle = "Select new icon";
constexpr const char* iconFilter = "Icons (*.ico)|*.ico||";
constexpr const char* iconCaption = "New icon selection...";

constexpr const char* bitmapTitle = "Select new image";
constexpr const char* bitmapFilter = "BMP-files (*.bmp)|*.bmp||";
constexpr const char* bitmapCaption = "New image selection...";
constexpr const char* declinedCaption = "Saving...";

constexpr const char* notCopied = "The image was not copied...";

// The texts in which buttons and statics differ.
struct OwnerTexts {
    const char* iconCopied;
    const char* replaceQuestion;
    const char* bitmapReplaced;
};

constexpr OwnerTexts buttonTexts = {
    "Icon for button was copied...",
    "You selected new image for button.\rWould you like to replace current image?",
    "Button image was replaced...",
};
constexpr OwnerTexts staticTexts = {
    "Icon for static control was copied...",
    "You selected new image for static control.\rWould you like to replace current image?",
    "Static control image was replaced...",
};

PageMessage stop(const std::string& text, const char* caption) {
    return {text, caption, box::iconHand, MessageOwner::none};
}

PageMessage information(const char* text, const char* caption) {
    return {text, caption, box::iconInformation, MessageOwner::none};
}

// Copies the chosen file in and tells the user how it went.
bool copyChosen(const std::filesystem::path& chosen, const std::filesystem::path& projectFolder,
                std::string_view imageNameField, ControlImageType type, const char* success,
                const char* caption, ImageSelectionPrompts& prompts) {
    FileFailures failures;
    if (!replaceImageFile(chosen, projectFolder, imageNameField, type, failures)) {
        std::string text = notCopied;
        for (const std::string& failure : failures.list())
            text += "\r" + failure;
        prompts.show(stop(text, caption));
        return false;
    }
    prompts.show(information(success, caption));
    return true;
}

ImageSelection selectStandardIcon(int32_t& standardImage, ImageSelectionPrompts& prompts) {
    const int chosen = prompts.standardIcon(standardIconTitle, firstStandardIcon);
    if (chosen < firstStandardIcon || chosen > lastStandardIcon) {
        prompts.show(stop(cancelled, standardIconCaption));
        return ImageSelection::unchanged;
    }
    standardImage = chosen;
    return ImageSelection::standardIconSet;
}

ImageSelection selectIconFile(const OwnerTexts& texts, int32_t& standardImage,
                              std::string_view imageNameField,
                              const std::filesystem::path& projectFolder,
                              ImageSelectionPrompts& prompts) {
    std::filesystem::path chosen;
    if (!prompts.openFile(iconTitle, iconFilter, chosen)) {
        prompts.show(stop(cancelled, iconCaption));
        return ImageSelection::unchanged;
    }
    if (!copyChosen(chosen, projectFolder, imageNameField, ControlImageType::icon, texts.iconCopied,
                    iconCaption, prompts))
        return ImageSelection::unchanged;
    standardImage = 0;
    return ImageSelection::imageFileCopied;
}

ImageSelection selectBitmapFile(const OwnerTexts& texts, std::string_view imageNameField,
                                const std::filesystem::path& projectFolder,
                                ImageSelectionPrompts& prompts) {
    std::filesystem::path chosen;
    if (!prompts.openFile(bitmapTitle, bitmapFilter, chosen)) {
        prompts.show(stop(cancelled, bitmapCaption));
        return ImageSelection::unchanged;
    }
    const PageMessage question{texts.replaceQuestion, bitmapCaption, box::yesNo | box::iconQuestion,
                               MessageOwner::none};
    if (prompts.show(question) != box::answerYes) {
        prompts.show(stop(cancelled, declinedCaption));
        return ImageSelection::unchanged;
    }
    if (!copyChosen(chosen, projectFolder, imageNameField, ControlImageType::bitmap,
                    texts.bitmapReplaced, bitmapCaption, prompts))
        return ImageSelection::unchanged;
    return ImageSelection::imageFileCopied;
}

} // namespace

ImageSelection selectNewImage(ImageOwner owner, ControlImageType type, int32_t& standardImage,
                              std::string_view imageNameField,
                              const std::filesystem::path& projectFolder,
                              ImageSelectionPrompts& prompts) {
    const OwnerTexts& texts = owner == ImageOwner::button ? buttonTexts : staticTexts;
    if (type == ControlImageType::bitmap)
        return selectBitmapFile(texts, imageNameField, projectFolder, prompts);
    switch (prompts.iconMenu()) {
    case standardIconChoice:
        return selectStandardIcon(standardImage, prompts);
    case customIconChoice:
        return selectIconFile(texts, standardImage, imageNameField, projectFolder, prompts);
    default:
        return ImageSelection::unchanged;
    }
}

} // namespace zim
