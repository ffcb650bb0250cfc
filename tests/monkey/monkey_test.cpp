#include "ui/clickablelabel.h"
#include "ui/richtext/richtextbox.h"
#include "ui/form1.h"
#include "compat/linkopener.h"
#include "compat/popupmenu.h"
#include "frame/orukforms.h"
#include "tests/dialogs/scripted_commondialog.h"
#include "tests/monkey/watchdog.h"
#include "tests/support/scripted_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <gtest/gtest.h>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>

namespace pattaro {
namespace {

using namespace platform;

constexpr int kActions = 10000;
constexpr quint32 kSeed = 20121;
constexpr qint64 kGoalMs = 2000;
// Far beyond the slowest action of a normal run: only a hang gets there.
constexpr std::chrono::seconds kActionLimit{30};

// MONKEY_SEED replays another run; nothing when it holds no seed.
std::optional<quint32> chosenSeed()
{
    const QString given = qEnvironmentVariable("MONKEY_SEED");
    if (given.isEmpty())
        return kSeed;
    bool ok = false;
    const quint32 seed = given.toUInt(&ok);
    return ok ? std::optional(seed) : std::nullopt;
}

// Every Yes/No question answered at random.
class CoinFlipMessageBox : public MessageBoxService {
public:
    explicit CoinFlipMessageBox(QRandomGenerator& random) : m_random(random) {}
    int questions = 0;
    int show(const QString&, const QString&, MsgIcon, MsgButtons buttons) override
    {
        if (buttons == MsgButtons::Ok)
            return kIdOk;
        ++questions;
        return m_random.bounded(2) ? kIdYes : kIdNo;
    }

private:
    QRandomGenerator& m_random;
};

// Every frame menu answered with one of its enabled items at random, or
// dismissed.
class RandomPopupMenu : public PopupMenuService {
public:
    explicit RandomPopupMenu(QRandomGenerator& random) : m_random(random) {}
    int shown = 0;
    int dismissed = 0;
    std::optional<int> Popup(QWidget*, const std::vector<PopupItem>& items, QPoint, int) override
    {
        ++shown;
        std::vector<int> enabled;
        for (const PopupItem& item : items)
            if (item.Visible && item.Enabled && item.Caption != QLatin1String("-"))
                enabled.push_back(item.Id);
        const auto pick = std::size_t(m_random.bounded(int(enabled.size()) + 1));
        if (pick == enabled.size()) {
            ++dismissed;
            return std::nullopt;
        }
        return enabled[pick];
    }

private:
    QRandomGenerator& m_random;
};

struct RecordingLinkOpener : LinkOpener {
    QStringList opened;
    bool open(const QString& address) override
    {
        opened << address;
        return true;
    }
};

QString repeated(const QString& piece, qsizetype length)
{
    QString text;
    text.reserve(length);
    while (text.size() < length)
        text += piece;
    text.truncate(length);
    return text;
}

const QString kLoneHigh = QString(QChar(0xD800));
const QString kLoneLow = QString(QChar(0xDC00));
const QString kNul = QString(QChar(0));

const QStringList kTexts = {
    QString(),
    QStringLiteral("Hello World 123\r\nfoo bar baz\r\n"),
    QStringLiteral("line one\rline two\rline three"),
    QStringLiteral("first\r\nsecond\r\n\r\nfourth"),
    QStringLiteral("a") + kNul + QStringLiteral("b") + kNul + kNul + QStringLiteral("c"),
    QStringLiteral("x") + kLoneHigh + QStringLiteral("y") + kLoneLow + QStringLiteral("z") + kLoneHigh,
    kLoneLow,
    QStringLiteral("正则表达式测试，中文文本。\r\n第二行：匹配「汉字」"),
    QStringLiteral("emoji 😀 and 𠀀 pairs"),
    QStringLiteral("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa!"),
    QStringLiteral("xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"),
    QStringLiteral("abcabcabc ABCABC 2012-05-01 foo@example.com"),
    QStringLiteral("\r\n\r\n\r\r\n\n"),
    QStringLiteral("$1 $& $` $' $<n> \\ \\\\ \\1"),
};

const QStringList kExpressions = {
    QStringLiteral("a"), QStringLiteral("."), QStringLiteral("\\w+"), QStringLiteral("\\d+"),
    QStringLiteral("^"), QStringLiteral("$"), QStringLiteral("^.*$"), QStringLiteral("(\\w)(\\w)"),
    QStringLiteral("[a-z]+"), QStringLiteral("[^a]"), QStringLiteral("\\s*"), QStringLiteral("x*"),
    QStringLiteral("(a)\\1"), QStringLiteral("(?=a)"), QStringLiteral("(?!b)."), QStringLiteral("a(?=b)"),
    QStringLiteral("(?:ab|cd)+"), QStringLiteral("\\r\\n"), QStringLiteral("\\r"), QStringLiteral("\\x00"),
    QStringLiteral("\\u4e2d"), QStringLiteral("[\\u4e00-\\u9fa5]+"), QStringLiteral("中文"), QStringLiteral("\\b"),
    QStringLiteral("\\B"), QStringLiteral("a{2,}"), QStringLiteral("a{0}"), QStringLiteral("(a|)*"),
    QStringLiteral("(?:)"), QStringLiteral("\\2(a)(b)"), QStringLiteral("\\9"), QStringLiteral("\\k"),
    QStringLiteral("\\ud800"), QStringLiteral("\\udc00"), QStringLiteral("[\\ud800-\\udfff]"),
    // Invalid.
    QStringLiteral("("), QStringLiteral(")"), QStringLiteral("["), QStringLiteral("a{2,1}"), QStringLiteral("\\"),
    QStringLiteral("*"), QStringLiteral("+a"), QStringLiteral("a**"), QStringLiteral("[z-a]"), QStringLiteral("(?<"),
    QStringLiteral("(?"), QStringLiteral("{"), QStringLiteral("a{99999999999}"), QStringLiteral("\\c"),
    QStringLiteral("中("), kLoneHigh, kNul,
};

// Rare on purpose: each of these can run until the engine's time limit.
const QStringList kRunawayExpressions = {
    QStringLiteral("(a+)+$"), QStringLiteral("(x+x+)+y"), QStringLiteral("(a|aa)+$"),
    QStringLiteral("(.*)*b"), QStringLiteral("(a*)*!b"),
};

const QStringList kReplacements = {
    QString(), QStringLiteral("$1"), QStringLiteral("$&"), QStringLiteral("$`"), QStringLiteral("$'"),
    QStringLiteral("$<n>"), QStringLiteral("$2$1"), QStringLiteral("$$"), QStringLiteral("$"),
    QStringLiteral("$99"), QStringLiteral("[$&]"), QStringLiteral("\\n"), QStringLiteral("替换"),
    QStringLiteral("\r\n"), kNul, kLoneHigh, QStringLiteral("$0"), QStringLiteral("$<"),
};

class Monkey : public ::testing::Test {
protected:
    Monkey()
    {
        skinServices.messageBox = &skinBox;
        dialogs->onChooseColor = [this](CHOOSECOLOR& cc) {
            if (random.bounded(2) == 0)
                return kDialogCancelled;
            cc.rgbResult = COLORREF(random.bounded(0x1000000));
            return kDialogConfirmed;
        };
        Form1Services services;
        services.messageBox = &questions;
        services.selfCheck = [] { return QString(); };
        services.commonDialogs = dialogs;
        services.linkOpener = &links;
        services.skin = skinServices;
        services.popupMenu = &menus;
        // 保存到表达式库 from the frame's menu: saved under its suggested name, or declined.
        services.askLibraryName = [this](const QString& suggestion) {
            return random.bounded(2) ? std::optional<QString>(suggestion) : std::nullopt;
        };
        window = std::make_unique<Form1>(services);
        window->resize(900, 700);
        window->show();
    }

    QString randomText()
    {
        const int pick = random.bounded(10);
        if (pick < 6)
            return kTexts[random.bounded(int(kTexts.size()))];
        // Random code units, surrogate halves and control characters among them.
        static const QString units = QStringLiteral("ab x\r\n\t中文") + kNul + kLoneHigh + kLoneLow
                                     + QStringLiteral("(*+?.$&\\[]{}|^1");
        QString text;
        const int length = random.bounded(pick == 9 ? 2000 : 60);
        for (int i = 0; i < length; ++i)
            text += units[random.bounded(int(units.size()))];
        return text;
    }

    QString hugeText()
    {
        static const QStringList pieces = {
            QStringLiteral("the quick brown fox 123\r\n"),
            QStringLiteral("正则表达式") + kNul + QStringLiteral("\r"),
            QStringLiteral("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\n"),
        };
        return repeated(pieces[random.bounded(int(pieces.size()))], 5 * 1024 * 1024);
    }

    QString randomExpression()
    {
        if (random.bounded(60) == 0)
            return kRunawayExpressions[random.bounded(int(kRunawayExpressions.size()))];
        if (random.bounded(5) == 0)
            return randomText().left(12);
        return kExpressions[random.bounded(int(kExpressions.size()))];
    }

    QString randomReplacement()
    {
        if (random.bounded(5) == 0)
            return randomText().left(12);
        return kReplacements[random.bounded(int(kReplacements.size()))];
    }

    // Key by key, each key carrying its character, so any code unit can be typed.
    static void type(QWidget* target, const QString& text)
    {
        for (const QChar c : text) {
            const int key = c == u'\r' || c == u'\n' ? int(Qt::Key_Return) : 0;
            const QString carried = key ? QString() : QString(c);
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, carried);
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, carried);
            QApplication::sendEvent(target, &release);
        }
    }

    static void paste(QWidget* target, const QString& text)
    {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    }

    // A person can click only what is on screen.
    static void click(QWidget* target)
    {
        if (target->isVisible())
            QTest::mouseClick(target, Qt::LeftButton);
    }

    // Commands that read the source pane must leave its text as it was.
    void clickKeepingSource(QPushButton* command)
    {
        const QString before = window->TXT1()->Text();
        click(command);
        const QString after = window->TXT1()->Text();
        // Compared whole, but only sizes printed: the text may be megabytes long.
        ASSERT_TRUE(after == before) << command->objectName().toStdString() << " changed TXT1 from "
                                     << before.size() << " to " << after.size() << " code units";
    }

    const std::optional<quint32> seed = chosenSeed();
    QRandomGenerator random{seed.value_or(kSeed)};
    CoinFlipMessageBox questions{random};
    CoinFlipMessageBox skinBox{random};
    RandomPopupMenu menus{random};
    testing::ScriptedServices scripted;
    Services skinServices = scripted.services();
    std::shared_ptr<testing::ScriptedCommonDialogApi> dialogs = std::make_shared<testing::ScriptedCommonDialogApi>();
    RecordingLinkOpener links;
    std::unique_ptr<Form1> window;
};

TEST_F(Monkey, TenThousandRandomActions)
{
    ASSERT_TRUE(seed) << "MONKEY_SEED is not a seed: " << qPrintable(qEnvironmentVariable("MONKEY_SEED"));
    std::printf("monkey: seed %u (MONKEY_SEED=%u runs this again)\n", *seed, *seed);
    std::fflush(stdout);
    struct Action {
        const char* name;
        int weight;
        std::function<void()> run;
    };
    // Heavy texts are rare so that the whole run stays within minutes.
    const int hugeEvery = kActions / 5;
    int nextHuge = hugeEvery / 2;
    int reopened = 0;
    const std::vector<Action> actions = {
        {"type into TXT1", 6, [&] { type(window->TXT1(), randomText().left(40)); }},
        {"paste into TXT1", 6, [&] { paste(window->TXT1(), randomText()); }},
        {"set TXT1", 8, [&] { window->TXT1()->Text(randomText()); }},
        {"type into Text3", 6, [&] {
             window->Text3()->clear();
             type(window->Text3(), randomExpression());
         }},
        {"paste into Text3", 4, [&] {
             window->Text3()->selectAll();
             paste(window->Text3(), randomExpression());
         }},
        {"set Text3", 8, [&] { window->Text3()->setText(randomExpression()); }},
        {"type into Text4", 3, [&] {
             window->Text4()->clear();
             type(window->Text4(), randomReplacement());
         }},
        {"paste into Text4", 3, [&] {
             window->Text4()->selectAll();
             paste(window->Text4(), randomReplacement());
         }},
        {"set Text4", 4, [&] { window->Text4()->setText(randomReplacement()); }},
        {"click Command1", 8, [&] { clickKeepingSource(window->Command1()); }},
        {"click Command2", 8, [&] { clickKeepingSource(window->Command2()); }},
        {"click Command3", 8, [&] { clickKeepingSource(window->Command3()); }},
        {"click Command4", 3, [&] { click(window->Command4()); }},
        {"click Command5", 3, [&] { click(window->Command5()); }},
        {"click Command6", 3, [&] { click(window->Command6()); }},
        {"click Check1", 3, [&] { click(window->Check1()); }},
        {"click Color1", 2, [&] { click(window->Color1()); }},
        {"click Color2", 2, [&] { click(window->Color2()); }},
        {"click Label5", 1, [&] { click(window->Label5()); }},
        {"click Label6", 1, [&] { click(window->Label6()); }},
        {"click Image1", 1, [&] { click(window->Image1()); }},
        // May hit the frame's caption buttons or open its system menu (the icon, or a
        // right click on the title); their questions go to the skin's box. Half the
        // clicks land on the title bar, where nearly all of that is.
        {"click the frame", 2, [&] {
             orukForms* frame = window->orukForms1();
             const Qt::MouseButton button = random.bounded(4) == 0 ? Qt::RightButton : Qt::LeftButton;
             if (frame->width() <= 0 || frame->height() <= 0)
                 return;
             const int title = qBound(1, int(frame->State().TitleAreaHeight), frame->height());
             const int bottom = random.bounded(2) ? title : frame->height();
             const QPoint at(random.bounded(frame->width()), random.bounded(bottom));
             // The pointer gets there first: the frame learns from it which caption button is under it.
             QTest::mouseMove(frame, at);
             QTest::mouseClick(frame, button, {}, at);
         }},
        {"resize", 3, [&] { window->resize(1 + random.bounded(1600), 1 + random.bounded(1200)); }},
    };
    int totalWeight = 0;
    for (const Action& a : actions)
        totalWeight += a.weight;

    testing::Watchdog watchdog(kActionLimit, testing::abandonHungRun);
    QElapsedTimer total;
    total.start();
    qint64 slowestMs = -1;
    QString slowestName;
    for (int step = 0; step < kActions; ++step) {
        QString name;
        std::function<void()> run;
        if (step == nextHuge) {
            nextHuge += hugeEvery;
            const QString text = hugeText();
            const bool viaClipboard = random.bounded(2);
            name = viaClipboard ? QStringLiteral("paste 5 MB into TXT1") : QStringLiteral("set 5 MB TXT1");
            run = [&, text, viaClipboard] {
                if (viaClipboard)
                    paste(window->TXT1(), text);
                else
                    window->TXT1()->Text(text);
            };
        } else {
            int pick = random.bounded(totalWeight);
            auto chosen = actions.begin();
            while (pick >= chosen->weight)
                pick -= (chosen++)->weight;
            name = QString::fromLatin1(chosen->name);
            run = chosen->run;
        }
        watchdog.start(QStringLiteral("#%1 %2").arg(step).arg(name).toStdString());
        QElapsedTimer timer;
        timer.start();
        run();
        QApplication::processEvents();
        const qint64 elapsed = timer.elapsed();
        watchdog.stop();
        if (elapsed > kGoalMs)
            std::printf("over the goal: #%d %s (%lld ms, source %lld code units)\n", step, qPrintable(name),
                        static_cast<long long>(elapsed), static_cast<long long>(window->TXT1()->Text().size()));
        if (elapsed > slowestMs) {
            slowestMs = elapsed;
            slowestName = QStringLiteral("#%1 %2 (expression \"%3\", source %4 code units)")
                              .arg(step)
                              .arg(name, window->Text3()->text().left(20))
                              .arg(window->TXT1()->Text().size());
        }
        if (HasFatalFailure()) {
            ADD_FAILURE() << "at action #" << step << ": " << name.toStdString();
            return;
        }
        // A Yes to the exit question closes the window; the run goes on in it reopened.
        if (!window->isVisible()) {
            ++reopened;
            window->show();
        }
    }

    std::printf("monkey: %d actions in %lld ms; %d window questions, %d frame questions, %d frame menus "
                "(%d dismissed), window closed and reopened %d times, %zu colour dialogs, %lld links opened\n",
                kActions, static_cast<long long>(total.elapsed()), questions.questions, skinBox.questions,
                menus.shown, menus.dismissed, reopened, dialogs->colorCalls.size(),
                static_cast<long long>(links.opened.size()));
    std::printf("slowest action: %s (%lld ms); goal %lld ms: %s\n", qPrintable(slowestName),
                static_cast<long long>(slowestMs), static_cast<long long>(kGoalMs),
                slowestMs <= kGoalMs ? "met" : "missed");
    std::fflush(stdout);
}

} // namespace
} // namespace pattaro
