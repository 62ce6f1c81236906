// SPDX-License-Identifier: MIT
// The link to the maker's web page (cmdVisit_Click, OpenInBrowser) and the
// desktop's default ways of starting a program and opening an address.
#include "ui/frmNumora.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QUrl>

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
    if (!openUrl) {
        openUrl = [](const QString& url) { return QDesktopServices::openUrl(QUrl(url)); };
    }
}

void frmNumora::cmdVisit_Click() {
    txtNum1->setFocus();
    OpenInBrowser(QString::fromLatin1(kPageAddress));
}

// In a Windows build the two browser paths are tried in order; a start fails
// when the file is not there or the process does not start. Where neither starts, the
// desktop's default browser gets the address; where nothing starts, the user
// is told and the program goes on.
void frmNumora::OpenInBrowser(const QString& address) {
    installDefaultWebSeams();
    for (const QString& program : browserCandidates()) {
        if (programExists(program) && startProgram(program, address)) return;
    }
    if (openUrl(address)) return;

    const QString message = QString::fromLatin1(kNoBrowserMessage);
    if (showMessage) {
        showMessage(message);
    } else {
        QMessageBox::information(this, QStringLiteral("Calcora"), message);
    }
}

}  // namespace calcora
