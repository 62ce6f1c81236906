// SPDX-License-Identifier: MIT
// The link to the maker's web page (cmdVisit_Click, OpenInBrowser) and the
// desktop's default ways of starting a program and opening an address.
#include "ui/frmNumora.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include "core/texts.h"

namespace calcora {
namespace {

// The browsers tried first, in this order, where these paths mean anything:
// elsewhere a relative path like these would run whatever file of that name
// the current folder holds.
QStringList browserCandidates() {
#ifdef Q_OS_WIN
    return {QStringLiteral(R"(C:\Program Files (x86)\Internet Explorer\iexplore.exe)"),
            QStringLiteral(R"(C:\Program Files\Internet Explorer\iexplore.exe)")};
#else
    return {};
#endif
}

void tellNoBrowser(frmNumora& window) {
    const QString message = QString::fromLatin1(core::kNoBrowserMessage);
    if (window.showMessage) {
        window.showMessage(message);
    } else {
        QMessageBox::information(&window, QStringLiteral("Calcora"), message);
    }
}

// Qt's own opening starts xdg-open and answers only whether it started, so
// an address that nothing on the desktop handles (xdg-open exits 3 or 4)
// went by unseen. Where xdg-open is there, it runs here and its exit status
// is the answer.
void openWithDesktop(const QString& url, std::function<void(bool opened)> opened) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID)
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        // No parent, so closing the window does not end the opener, which can
        // run a browser in the foreground; it deletes itself once done. Its
        // output goes where the program's goes, so no pipe fills up.
        auto* process = new QProcess;
        process->setProgram(opener);
        process->setArguments({url});
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->setStandardInputFile(QProcess::nullDevice());
        QObject::connect(process, &QProcess::finished, process,
                         [process, opened](int exitCode, QProcess::ExitStatus status) {
                             opened(status == QProcess::NormalExit && exitCode == 0);
                             process->deleteLater();
                         });
        QObject::connect(process, &QProcess::errorOccurred, process, [process, opened](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart) return;  // the others end in finished
            opened(false);
            process->deleteLater();
        });
        process->start();
        return;
    }
#endif
    opened(QDesktopServices::openUrl(QUrl(url)));
}

}  // namespace

void frmNumora::installDefaultWebSeams() {
    if (!programExists) {
        programExists = [](const QString& path) {
            const QFileInfo file(path);
            return file.exists() && file.isExecutable();
        };
    }
    if (!startProgram) {
        // The address is the program's one argument: the command line is the
        // path, one space, the address. The process is not waited for.
        startProgram = [](const QString& program, const QString& argument) {
            return QProcess::startDetached(program, QStringList{argument});
        };
    }
    if (!openUrl) openUrl = openWithDesktop;
}

void frmNumora::cmdVisit_Click() {
    txtNum1->setFocus();
    OpenInBrowser(QString::fromLatin1(kPageAddress));
}

// In a Windows build the two browser paths are tried in order; a start fails
// when the file is not there or the process does not start. Where neither
// starts, the desktop's default browser gets the address; where that fails,
// now or when the opener has finished, the user is told and the program goes
// on.
void frmNumora::OpenInBrowser(const QString& address) {
    installDefaultWebSeams();
    for (const QString& program : browserCandidates()) {
        if (programExists(program) && startProgram(program, address)) return;
    }
    openUrl(address, [window = QPointer<frmNumora>(this)](bool opened) {
        if (!opened && window) tellNoBrowser(*window);
    });
}

}  // namespace calcora
