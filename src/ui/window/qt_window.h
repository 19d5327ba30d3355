#pragma once
// The window seam on Qt: the widgets built from the layout table, addressed
// by control name, with every control's signal bound to its game handler
// through the binding table. Programmatic changes never fire a handler.

#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "core/game_title.h"
#include "core/window.h"
#include "game/bindings.h"
#include "ui/access/window_controls.h"
#include "ui/widgets/picture_loader.h"
#include "ui/window/window_builder.h"

class QDialog;
class QTimer;
class QWidget;

namespace splat {
class Game;
}

namespace splat::ui {

class AccessibleWindow;
class BookWindow;
class FlatPageControl;
class GameDialog;
class MainWindow;

class QtWindow : public QObject, public Window, public WindowControls {
    Q_OBJECT
public:
    QtWindow();
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    // Connects every control's signal to its handler in `game`.
    void bind(Game& game);

    MainWindow& mainWindow() override { return *built_.main; }
    // Shows the main window centred on the screen.
    void showMain();
    // Whether the game has closed the main window.
    bool mainClosed() const { return mainClosed_; }

    // The parts behind a control name (nullptr when it has none of that sort).
    const BuiltControl* control(std::string_view name) const;
    QWidget* widget(std::string_view name) const override;
    QAction* menuItem(std::string_view name) const override;
    const QString* writtenText(std::string_view name) const override;
    QTimer* timer(std::string_view name) const;
    GameDialog* dialog(std::string_view name) const;
    FlatPageControl* pageControl(std::string_view name) const;
    // What a screen reader is told about the controls.
    AccessibleWindow& accessibility() { return *accessible_; }

    // Window seam.
    void setText(std::string_view name, std::string_view text) override;
    std::string text(std::string_view name) const override;
    void setVisible(std::string_view name, bool visible) override;
    void setEnabled(std::string_view name, bool enabled) override;
    void setX(std::string_view name, int x) override;
    void setMarked(std::string_view name, bool marked) override;
    void setItemIndex(std::string_view name, int index) override;
    void setChecked(std::string_view name, bool checked) override;
    void showPage(std::string_view page) override;
    bool pageInFront(std::string_view page) const override;
    void setToolTip(std::string_view name, std::string_view text) override;
    void announce(std::string_view text) override;
    void message(std::string_view text, std::string_view caption) override;
    bool question(std::string_view text, std::string_view caption) override;
    void showDialog(std::string_view name) override;
    void setTimerEnabled(std::string_view timer, bool enabled) override;
    void setTimerInterval(std::string_view timer, int milliseconds) override;
    void closeMain() override;
    void openBook(const BookPages& pages) override;
    bool bookShown() const override;
    void updateBook(const BookPages& pages) override;
    // The season book's window, once it has been opened (else nullptr).
    BookWindow* book() const { return book_; }

protected:
    // Runs a dialog or message box modally and returns its result; tests
    // replace it to answer without a player.
    virtual int runModal(QDialog& dialog);

private:
    BuiltControl* find(std::string_view name);
    void dispatch(const Binding* binding, int index, std::string_view text);
    void bindControl(BuiltControl& c);
    void placeDialog(GameDialog& d, bool onMainWindow);

    // Declared before the window so that it ends after it: its end waits for
    // the pictures still being decoded.
    pictures::Prefetch prefetch_;
    BuiltWindow built_;
    std::unique_ptr<AccessibleWindow> accessible_;
    BookWindow* book_ = nullptr;  // made the first time it is opened, owned by the main window
    Game* game_ = nullptr;        // where the controls' signals go; the window reads nothing of it
    bool mainClosed_ = false;
};

// The caption of message boxes when none is given.
inline constexpr const char* kApplicationTitle = kGameTitle;

}  // namespace splat::ui
