// SPDX-License-Identifier: MIT
// The web link: the browser start is replaced by test doubles that record
// which candidate was asked for, the command line, the fallback and the
// message, also when the desktop's answer comes later; and the desktop's own
// opener, xdg-open, is replaced by a script whose exit status is the answer.
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <functional>
#include <memory>

#include "ui/frmNumora.h"
#include "window_driver.h"

namespace {

const QString kFirst = QStringLiteral(R"(C:\Program Files (x86)\Internet Explorer\iexplore.exe)");
const QString kSecond = QStringLiteral(R"(C:\Program Files\Internet Explorer\iexplore.exe)");
const QString kAddress = QStringLiteral("http://calcora.example.org/calcredirect.htm");

// Stands in for the desktop: which programs are there, which of them start,
// whether the default browser opens; every request is logged in order.
struct Desktop {
    QStringList present;
    QStringList starting;
    bool defaultBrowserOpens = false;
    QStringList log;
    // The opener's answer is kept in answer, to be given when the test says.
    bool answersLater = false;
    std::function<void(bool)> answer;

    void install(calcora::frmNumora& w) {
        w.programExists = [this](const QString& path) {
            log << QStringLiteral("exists? ") + path;
            return present.contains(path);
        };
        w.startProgram = [this](const QString& program, const QString& argument) {
            log << QStringLiteral("start ") + program + QLatin1Char(' ') + argument;
            return starting.contains(program);
        };
        w.openUrl = [this](const QString& url, const std::function<void(bool)>& opened) {
            log << QStringLiteral("open ") + url;
            if (answersLater) {
                answer = opened;
            } else {
                opened(defaultBrowserOpens);
            }
        };
        w.showMessage = [this](const QString& text) { log << QStringLiteral("message ") + text; };
    }
};

using Window = ShownWindowDriver;

QString exists(const QString& path) { return QStringLiteral("exists? ") + path; }
QString start(const QString& path) { return QStringLiteral("start ") + path + QLatin1Char(' ') + kAddress; }
const QString kOpen = QStringLiteral("open ") + kAddress;
const QString kMessage = QStringLiteral("message No web browser could be started.");

}  // namespace

class WebTest : public QObject {
    Q_OBJECT

private slots:
    void pageAddress();
    void visit_data();
    void visit();
    void defaultSeams();
    void aLateAnswer_data();
    void aLateAnswer();
    void theDesktopsOpenerAnswers_data();
    void theDesktopsOpenerAnswers();
};

void WebTest::pageAddress() {
    QCOMPARE(QString::fromLatin1(calcora::frmNumora::kPageAddress), kAddress);
    QVERIFY(kAddress.endsWith(QStringLiteral("/calcredirect.htm")));
}

void WebTest::visit_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("starting");
    QTest::addColumn<bool>("defaultBrowserOpens");
    QTest::addColumn<QStringList>("log");

    QTest::newRow("both present: the first starts, the second is not asked")
        << QStringList{kFirst, kSecond} << QStringList{kFirst, kSecond} << true
        << QStringList{exists(kFirst), start(kFirst)};
    QTest::newRow("only the second present: it starts, no message")
        << QStringList{kSecond} << QStringList{kSecond} << true
        << QStringList{exists(kFirst), exists(kSecond), start(kSecond)};
    QTest::newRow("the first present but refused: the second starts")
        << QStringList{kFirst, kSecond} << QStringList{kSecond} << true
        << QStringList{exists(kFirst), start(kFirst), exists(kSecond), start(kSecond)};
    QTest::newRow("neither present: the default browser")
        << QStringList{} << QStringList{} << true
        << QStringList{exists(kFirst), exists(kSecond), kOpen};
    QTest::newRow("both refused: the default browser")
        << QStringList{kFirst, kSecond} << QStringList{} << true
        << QStringList{exists(kFirst), start(kFirst), exists(kSecond), start(kSecond), kOpen};
    QTest::newRow("nothing starts: one message")
        << QStringList{} << QStringList{} << false
        << QStringList{exists(kFirst), exists(kSecond), kOpen, kMessage};
    QTest::newRow("both refused and no default browser: one message")
        << QStringList{kFirst, kSecond} << QStringList{} << false
        << QStringList{exists(kFirst), start(kFirst), exists(kSecond), start(kSecond), kOpen,
                       kMessage};
}

void WebTest::visit() {
    QFETCH(QStringList, present);
    QFETCH(QStringList, starting);
    QFETCH(bool, defaultBrowserOpens);
    QFETCH(QStringList, log);
#ifndef Q_OS_WIN
    // Only a Windows build looks at the two browser paths: elsewhere a file
    // planted under such a name must never run, and the desktop's default
    // browser gets the page at once.
    log = defaultBrowserOpens ? QStringList{kOpen} : QStringList{kOpen, kMessage};
#endif

    Window win;
    QVERIFY(win.active());
    Desktop desktop;
    desktop.present = present;
    desktop.starting = starting;
    desktop.defaultBrowserOpens = defaultBrowserOpens;
    desktop.install(win.window);
    win.box("txtNum1")->setText("1");
    win.box("txtNum2")->setText("2");
    win.box("txtNum2")->setFocus();

    win.click("cmdVisit");

    QCOMPARE(desktop.log, log);
    QCOMPARE(Window::focused(), QStringLiteral("txtNum1"));
    QCOMPARE(win.box("txtNum1")->text(), QStringLiteral("1"));
    QCOMPARE(win.box("txtNum2")->text(), QStringLiteral("2"));
    QVERIFY(win.window.isVisible());

    // The program goes on: a second click behaves the same.
    desktop.log.clear();
    win.click("cmdVisit");
    QCOMPARE(desktop.log, log);
}

void WebTest::defaultSeams() {
    if (QFileInfo::exists(kFirst) || QFileInfo::exists(kSecond)) {
        QSKIP("this machine has the browser paths the link tries first");
    }
    Window win;
    QVERIFY(win.active());
    Desktop desktop;
    desktop.defaultBrowserOpens = true;
    desktop.install(win.window);
    // Left empty, the existence test falls back to the file system's answer.
    win.window.programExists = nullptr;

    win.click("cmdVisit");

    QCOMPARE(desktop.log, QStringList{kOpen});
    QVERIFY(win.window.programExists);
    QVERIFY(win.window.programExists(QCoreApplication::applicationFilePath()));
    QVERIFY(!win.window.programExists(QCoreApplication::applicationFilePath() + QStringLiteral(".missing")));
    QTemporaryFile plainFile;
    QVERIFY(plainFile.open());
    QVERIFY(!win.window.programExists(plainFile.fileName()));
}

void WebTest::aLateAnswer_data() {
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("windowStays");
    QTest::addColumn<QStringList>("log");  // after the answer
    QTest::newRow("the opener fails later: one message then") << false << true << QStringList{kOpen, kMessage};
    QTest::newRow("the opener succeeds later: no message") << true << true << QStringList{kOpen};
    QTest::newRow("the window closed before the opener failed: nothing") << false << false << QStringList{kOpen};
}

void WebTest::aLateAnswer() {
    QFETCH(bool, opened);
    QFETCH(bool, windowStays);
    QFETCH(QStringList, log);
    auto win = std::make_unique<Window>();
    Desktop desktop;
    desktop.answersLater = true;
    desktop.install(win->window);
    win->window.programExists = [](const QString&) { return false; };

    win->click(QStringLiteral("cmdVisit"));
    QCOMPARE(desktop.log, QStringList{kOpen});
    QVERIFY(desktop.answer);
    if (!windowStays) win.reset();
    desktop.answer(opened);
    QCOMPARE(desktop.log, log);
}

void WebTest::theDesktopsOpenerAnswers_data() {
    QTest::addColumn<int>("exitStatus");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("nothing handles the address (3): the message") << 3 << QStringList{kMessage.mid(8)};
    QTest::newRow("opened (0): no message") << 0 << QStringList{};
}

// Only the opener is the desktop's own here: a script named xdg-open first on
// the PATH, which notes its arguments and exits with the given status.
void WebTest::theDesktopsOpenerAnswers() {
#if !defined(Q_OS_UNIX) || defined(Q_OS_MACOS)
    QSKIP("the desktop's opener is xdg-open only on the free desktops");
#endif
    QFETCH(int, exitStatus);
    QFETCH(QStringList, messages);
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    QFile opener(bin.filePath(QStringLiteral("xdg-open")));
    QVERIFY(opener.open(QIODevice::WriteOnly));
    opener.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\nexit %1\n").arg(exitStatus).toUtf8());
    opener.close();
    QVERIFY(opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);

    WindowDriver win;
    win.window.programExists = [](const QString&) { return false; };
    win.window.openUrl = nullptr;
    win.click(QStringLiteral("cmdVisit"));
    QFile arguments(opener.fileName() + QStringLiteral(".args"));
    QTRY_VERIFY(arguments.exists());
    QTRY_COMPARE(win.messages, messages);
    QTest::qWait(50);  // no second message
    qputenv("PATH", path);
    QCOMPARE(win.messages, messages);
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    QCOMPARE(arguments.readAll(), kAddress.toUtf8() + '\n');
}

QTEST_MAIN(WebTest)
#include "web_test.moc"
