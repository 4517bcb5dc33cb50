// What a live window shows of its designed window: the background brush and background images
// drawn once into a memory bitmap, the static controls and the buttons, and their tooltips.
// The preview shows the Project's records; an edit window shows the record being edited from
// the editor's working copy in place of the Project's.
#pragma once

#include <windows.h>

#include <vector>

#include "live/background_canvas.h"
#include "live/live_controls.h"
#include "model/project.h"

namespace zim {

// The working copies an edit window shows instead of the Project's records, by number (0 for
// none). The image copy is drawn in its drawing area as it stands.
struct WorkingCopies {
    int image = 0;
    BackgroundImage* imageCopy = nullptr;
    int button = 0;
    ButtonControl* buttonCopy = nullptr;
    int staticNumber = 0;
    StaticControl* staticCopy = nullptr;
};

class LiveContent {
  public:
    explicit LiveContent(int windowNumber, const WorkingCopies& copies = {});
    ~LiveContent() { destroy(); }
    LiveContent(const LiveContent&) = delete;
    LiveContent& operator=(const LiveContent&) = delete;

    int windowNumber() const { return windowNumber_; }

    // On the window's creation: the background for its client area, then every static control
    // and every button, then the tooltips.
    void create(HWND window, HBRUSH background);
    // The background drawn again for the client area as it is now.
    void redrawBackground();
    // WM_SIZE: a client area that outgrew the background gets it drawn again.
    void fitBackground();
    void paint(HDC target, const RECT& area) const { background_.copyTo(target, area); }

    // WM_CTLCOLORSTATIC: the brush of a static control with its own colours, after setting the
    // text colour and background mode; 0 leaves the system's colours.
    HBRUSH colourStatic(HDC dc, HWND control) const;

    // The button (its number) whose click sent WM_COMMAND `id` from `control`; 0 when none.
    int buttonOfCommand(int id, HWND control) const;
    ButtonControl& buttonRecord(int b) const;
    StaticControl& staticRecord(int s) const;

    // Every control is disabled, so that all mouse input reaches the window.
    void disableControls() const;

    // Destroys the controls and releases their resources, then frees the background.
    void destroy();

  private:
    void drawBackground();

    int windowNumber_;
    WorkingCopies copies_;
    HWND window_ = nullptr;
    HBRUSH brush_ = nullptr;
    BackgroundCanvas background_;
    std::vector<ControlImage> buttonImages_;
    std::vector<ControlImage> staticImages_;
};

} // namespace zim
