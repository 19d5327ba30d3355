// Renders every page of the main window and every dialog to PNG files in the
// build tree (screenshots/), so that anyone can look at the finished window,
// and checks that no text is cut off by its box.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "core/layout_table.h"
#include "qt/qt_game.h"
#include "ui/widgets/flat_page_control.h"
#include "ui/widgets/game_dialog.h"
#include "ui/widgets/game_label.h"
#include "ui/widgets/main_window.h"
#include "ui/widgets/surfaces.h"

namespace splat::testing {
namespace {

QString shotPath(const QString& file) {
    QDir().mkpath(QStringLiteral(SPLAT_SCREENSHOT_DIR));
    return QStringLiteral(SPLAT_SCREENSHOT_DIR "/") + file;
}

void save(QWidget* w, const QString& file) {
    QTest::qWait(1);
    const QPixmap shot = w->grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(shotPath(file))) << file.toStdString();
}

// Plays one league game to its end, its dialogs pressed away at once, so
// that the results dialog holds what the settlement wrote.
void playOneMatch(QtGame& g) {
    // A laboratory and an art production bring their lines into the results.
    for (const char* investment : {"labupgrade", "dxButton12"}) {
        findBinding(investment, Signal::Click)->handler(g.game, 0, "");
    }
    g.window.setItemIndex("shooting", 2);
    findBinding("shooting", Signal::Select)->handler(g.game, 2, "");
    const int week = g.game.state().week;
    findBinding("Start", Signal::Click)->handler(g.game, 0, "");
    for (int ticks = 0; g.game.state().week == week && ticks < 400; ++ticks) {
        findBinding("Timer1", Signal::Tick)->handler(g.game, 0, "");
    }
    ASSERT_NE(g.game.state().week, week) << "the match did not end";
}

// The season and game-over dialogs hold texts of their kind.
void fillEndDialogs(ui::QtWindow& w) {
    w.setText("Tendseason.congrat", "Congratulations !!!");
    w.setText("Tendseason.result", "Your team ends 1 season in 2 place");
    w.setText("Tendseason.money", "You get $5000");
    w.setText("Tendseason.Label1", "");
    w.setText("TForm5.Label1", "You got no more cash to manage the team.");
    w.setText("TForm5.Label2", "It sucks, but the game is over!");
}

TEST(Screenshots, EveryPageAndDialogRendersToAPicture) {
    QtGame g;
    ui::MainWindow& main = g.window.mainWindow();
    save(&main, QStringLiteral("page_1_team_options.png"));
    clickWidget(g.widget("dxButton1"));  // close the options: the squad comes back
    const char* const slugs[] = {"team",     "tactics",      "training", "scout",    "gear",
                                 "finances", "league_table", "schedule", "next_game"};
    const std::vector<std::string>& pages = mainPages();
    ASSERT_EQ(pages.size(), 9u);
    // Show the hidden offers too, so that every control is in some picture.
    for (const char* name : {"Panel23", "Panel24", "Panel25", "replaceyourcoach", "Panel68", "buychemist",
                             "Panel39", "Panel40", "Panel41", "dump1"}) {
        g.window.setVisible(name, true);
    }
    for (size_t i = 0; i < pages.size(); ++i) {
        g.window.showPage(pages[i]);
        save(&main, QStringLiteral("page_%1_%2.png").arg(i + 1).arg(QString::fromLatin1(slugs[i])));
    }
    // The sub-pages beyond the first ones.
    const std::pair<const char*, const char*> subPages[] = {
        {"boostPage", "page_2_tactics_boost.png"},
        {"flagPriorityPage", "page_2_tactics_flag.png"},
        {"markerPage11", "page_5_gear_marker11.png"},
        {"orbPage6", "page_5_gear_orb6.png"},
        {"sponsorsPage", "page_6_finances_sponsors.png"},
        {"artPage", "page_6_finances_art.png"},
        {"chemistSearchPage", "page_6_finances_chemist.png"},
    };
    for (const auto& [page, file] : subPages) {
        const ControlSpec* desc = findControl(page);
        ASSERT_NE(desc, nullptr) << page;
        for (const ControlSpec* s = desc; s != nullptr; s = findControl(s->parent))
            if (s->kind == ControlKind::Page) g.window.showPage(s->name);
        save(&main, QString::fromLatin1(file));
    }
    playOneMatch(g);
    fillEndDialogs(g.window);
    for (const char* name : {"Tresults", "Tendseason", "TForm4", "TForm5", "TAbout"}) {
        ui::GameDialog* d = g.window.dialog(name);
        d->show();
        save(d, QStringLiteral("dialog_%1.png").arg(QString::fromLatin1(name)));
        d->hide();
    }
    for (const char* file : {"page_1_team.png", "page_9_next_game.png", "dialog_Tresults.png"})
        EXPECT_TRUE(QFileInfo::exists(shotPath(QString::fromLatin1(file)))) << file;
}

// The room a text needs in its control's font.
int neededWidth(const QFont& font, const QString& text) { return QFontMetrics(font).horizontalAdvance(text); }

TEST(Screenshots, NoFixedTextIsCutOffByItsBox) {
    QtGame g;
    for (const ControlSpec& desc : layoutTable()) {
        QWidget* w = g.widget(desc.name);
        if (w == nullptr || desc.text.empty()) continue;
        const QString text = QString::fromStdString(desc.text);
        SCOPED_TRACE(desc.name);
        if (desc.kind == ControlKind::Label && !desc.wordWrap) {
            auto* label = qobject_cast<QLabel*>(w);
            EXPECT_LE(neededWidth(label->font(), text), label->contentsRect().width());
            EXPECT_LE(QFontMetrics(label->font()).height(), label->height());
        } else if (desc.kind == ControlKind::Button) {
            EXPECT_LE(neededWidth(w->font(), text) + 12, w->width());
        } else if (desc.kind == ControlKind::RadioButton) {
            EXPECT_LE(neededWidth(w->font(), text) + 28, w->width());
        } else if (desc.kind == ControlKind::Page) {
            auto* pc = g.window.pageControl(desc.parent);
            auto* tab = pc->tab(pc->indexOf(w));
            QFont bold = tab->font();
            bold.setBold(true);
            EXPECT_LE(neededWidth(bold, text) + 8, tab->width());
        }
    }
    // The items of the radio groups fit inside their group.
    for (const ControlSpec& desc : layoutTable()) {
        if (desc.kind != ControlKind::RadioGroup) continue;
        auto* box = qobject_cast<QGroupBox*>(g.widget(desc.name));
        for (QAbstractButton* item : g.window.control(desc.name)->group->buttons()) {
            EXPECT_LE(item->sizeHint().width(), box->contentsRect().width()) << desc.name;
            EXPECT_LE(item->geometry().bottom(), box->height()) << desc.name;
        }
    }
}

TEST(Screenshots, MissingPicturesLeaveTheWindowStanding) {
    // A picture that is not there shows nothing; the control stays in place.
    ui::PictureView view(nullptr, QStringLiteral("no-such-picture.jpg"));
    view.resize(50, 40);
    EXPECT_FALSE(view.hasPicture());
    EXPECT_FALSE(view.grab().isNull());
    // A broken file decodes to nothing either.
    const QString broken = QStringLiteral("broken_picture.jpg");  // beside the test program
    QFile f(QCoreApplication::applicationDirPath() + QLatin1Char('/') + broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xff\xd8\xff\xe0 not really a picture");
    f.close();
    ui::PictureView brokenView(nullptr, broken);
    brokenView.resize(50, 40);
    EXPECT_FALSE(brokenView.hasPicture());
    // While a real picture of the game is found and shown.
    ui::PictureView banner(nullptr, QStringLiteral("banner.jpg"));
    banner.resize(977, 161);
    EXPECT_TRUE(banner.hasPicture());
}

}  // namespace
}  // namespace splat::testing
