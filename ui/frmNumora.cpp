// SPDX-License-Identifier: MIT
// The window itself: its look at start, the events it reacts to and the
// message seam. The controls come from the table in controls.cpp.
#include "ui/frmNumora.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QStringList>
#include <QStyle>

#include "ui/accessible_interfaces.h"
#include "ui/accessible_names.h"
#include "ui/command_undo.h"
#include "ui/desktop_colours.h"
#include "ui/history_window.h"
#include "ui/keyboard.h"
#include "ui/long_text_view.h"
#include "ui/result_announcer.h"
#include "ui/screen_fit.h"
#include "ui/stale_result.h"
#include "ui/twips.h"
#include "ui/whole_number_view.h"

// The icon lives in the library's resources, which a static library must
// register itself; the macro has to be used outside any namespace.
static void initCalcoraResources() { Q_INIT_RESOURCE(calcora); }

namespace calcora {
namespace {

const QSize kClientSizeAtStart(twips::toPixels(7725), twips::toPixels(5040));
constexpr double kWindowFontPoints = 9.75;

}  // namespace

frmNumora::frmNumora(QWidget* parent) : QWidget(parent) {
    initCalcoraResources();
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("frmNumora"));
    setWindowTitle(QStringLiteral("Calcora"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/calcora.png")));

    QStringList standIns;
    for (const char* family : kFontStandIns) standIns << QString::fromLatin1(family);
    QFont::insertSubstitutions(QString::fromLatin1(kDesignedFontFamily), standIns);
    QFont windowFont(QString::fromLatin1(kDesignedFontFamily));
    windowFont.setPointSizeF(kWindowFontPoints);
    setFont(windowFont);

    createControls();
    colourFromDesktop(*this);
    connect(txtResult, &QLineEdit::textChanged, this, &frmNumora::txtResult_Change);
    // On top of the designed window, for the keyboard and screen readers.
    // After createControls, so that these connections run after the handlers'.
    installShortcuts(*this);
    installCommandRepeat(*this);
    describeControls(*this);
    showWrittenTextsFromStart(*this);
    markEarlierResults(*this);
    announceCommandResults(*this);
    keepCommandHistory(*this);
    // Beside the designed window: the whole-number view and the history.
    offerWholeNumbers(*this);
    keepHistory(*this);

    resize(kClientSizeAtStart);
    if (const QScreen* screen = this->screen()) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, kClientSizeAtStart,
                                        screen->availableGeometry()));
    }
    fitWhenFirstShown(*this);

    showMessage = [this](const QString& text) {
        QMessageBox box(this);
        box.setWindowTitle(windowTitle());
        box.setText(text);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    };
    installDefaultWebSeams();

    txtNum1->setFocus();
}

frmNumora::~frmNumora() = default;

void frmNumora::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

// Minimising and restoring change no size in Qt, but they are size changes
// of the window all the same.
void frmNumora::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

}  // namespace calcora
