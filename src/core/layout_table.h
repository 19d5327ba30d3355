#pragma once
// The one description of every control of the main window and of the five
// dialogs, with what the keyboard and a screen reader need of it. The Qt
// window builds its widgets from it and the headless window keeps its state
// over it, so both always have exactly the same controls.

#include <string>
#include <string_view>
#include <vector>

namespace splat {

enum class ControlKind {
    MainWindow,   // TForm1
    MenuBar,      // MainMenu1
    MenuItem,     // an item of the menu bar
    PageControl,  // tabbed pages (PageControl1 and the sub-page controls)
    Page,         // one page of a page control
    Panel,        // a plain container
    GroupBox,     // a titled container (RadioGroup5 "Game speed")
    Label,        // static or changing text
    Button,       // push button
    RadioGroup,   // titled group of exclusive items, chosen by index
    RadioButton,  // a single radio button (the game-speed choices)
    Edit,         // one-line text field
    Picture,      // a decorative JPEG picture
    Dialog,       // one of the five modal dialogs
    Timer,        // Timer1, MusicTimer
    MediaPlayer,  // the invisible music player
};

// Emphasis of a text; free combination.
enum TextStyle : int {
    Plain = 0,
    Bold = 1,
    Italic = 2,
    Underline = 4,
    Larger = 8,     // one size larger than the base font
    Centered = 16,  // text centred in its box
    RightAligned = 32,
    Light = 64,     // light text, for dark backgrounds
    Heading = 128,  // clearly larger (headers, banner)
};

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// What a screen reader is told about a control beyond what it shows. The
// texts are patterns: "{}" stands for the control's own text, "{NAME}" for
// the text of control NAME, and a part in square brackets is dropped unless
// every text it names is non-empty. All empty: nothing beyond what it shows.
// (Every field has its default, so that an entry names only those it sets.)
struct Speech {
    std::string name{};  // its accessible name ("" keeps its text or caption)
    std::string description{};
    std::string toolTip{};
    std::string caption{};  // the label that captions this value (labelled-by)
    bool live = false;      // each text written is announced (play-by-play, score)
};

struct ControlSpec {
    std::string name;  // objectName; dialog controls are "DIALOG.NAME"
    ControlKind kind = ControlKind::Label;
    std::string parent;              // name of the containing control ("" for top level)
    std::string text;                // fixed text, caption or initial text
    bool visible = true;             // initially shown
    bool enabled = true;             // initially enabled
    Rect rect;                       // position and size inside the parent (client area)
    std::vector<std::string> items;  // items of a radio group
    int itemIndex = -1;              // radio group: chosen item; radio button: 1 = checked
    int style = Plain;               // TextStyle flags
    std::string picture;             // Picture: asset file name; Page/Dialog: background picture
    int maxLength = 0;               // Edit: most characters accepted (0 = no limit)
    int interval = 0;                // Timer: interval in milliseconds
    bool wordWrap = false;           // Label: long text wraps onto the next lines of its box
    bool closeBox = false;           // Dialog: its title bar has a close box, which acts as its Ok
    bool overMainWindow = false;     // Dialog: centred on the main window (else on the screen)

    // What the window needs beyond the layout, for the keyboard and a screen
    // reader (the reading order is the layout's own: rows top to bottom).
    Speech speech;                       // a page's speech is its tab's
    std::vector<std::string> itemNames;  // RadioGroup: each item's spoken name ("" keeps its caption)
    bool spends = false;                 // Button: pressing it costs money or changes the squad
    std::string enterPresses;            // Edit: the button that Enter in the field presses
    std::string shortcut;                // MenuItem: its keys, as "Ctrl+N" or "F1"
    // A control the game grew after its first window (a menu item of its
    // own, a pause): the driver's `dump view` leaves it out, so what the
    // driver printed for every script stays as it was.
    bool extra = false;
};

// Every control in creation order: the main window and its menu first, then
// the pages in tab order with their children, then the timers and the music
// player, then the dialogs Tresults, Tendseason, TForm4, TForm5, TAbout.
const std::vector<ControlSpec>& layoutTable();

// The entry named `name`, or nullptr.
const ControlSpec* findControl(std::string_view name);

// The pages of PageControl1 in tab order (TabSheet1..TabSheet9).
const std::vector<std::string>& mainPages();

// The page of PageControl1 that holds control `name`, or "" for a control on
// no page (the menu, a dialog, the timers).
std::string_view mainPageOf(std::string_view name);

}  // namespace splat
