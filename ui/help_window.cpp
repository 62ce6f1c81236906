// SPDX-License-Identifier: MIT
// The help's text is HTML made when the help opens. Every command row and
// key comes from the window's buttons and keyboard.cpp's tables; every error
// text from its constant where the window has one.
#include "ui/help_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QStringList>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/texts.h"
#include "ui/accessible_names.h"
#include "ui/control_named.h"
#include "ui/frmNumora.h"
#include "ui/keyboard.h"

namespace calcora {
namespace {

constexpr const char* kHelpName = "helpWindow";
const QSize kHelpSize(640, 560);

QString escaped(const QString& text) { return text.toHtmlEscaped(); }

QString latin1(const char* text) { return QString::fromLatin1(text); }

QString row(const QStringList& cells) {
    QString html = QStringLiteral("<tr>");
    for (const QString& cell : cells) html += QStringLiteral("<td>%1</td>").arg(cell);
    return html + QStringLiteral("</tr>");
}

const char* const kModes =
    "<h2>The two modes</h2>"
    "<p><b>Very High Precision</b> (the start mode): numbers can be up to 32,767 characters long. Add, "
    "Subtract, Multiply, M+ and M- are exact, and so are factorials up to 1000!. Divide and 1/x give as "
    "many significant figures as the box \"Significant figures in VHP (30 - 500)\" says, truncated, never "
    "rounded; Sq Rt gives at most 100 figures. Whole powers from 1 to 120 are multiplied out exactly; "
    "every other power is the true power rounded once to 15 significant figures.</p>"
    "<p><b>High Precision (29 Sig Figs)</b>: a fixed decimal of 29 significant digits with exact decimal "
    "arithmetic (0.1 + 0.2 is exactly 0.3). Multiply and Divide fall back to the exact result rounded "
    "once to 15 figures beyond its range, where an operand is too small to keep 15 figures in its 28 "
    "decimal places, or where the result would lose some there; ^ Exp and x ! give the true value rounded "
    "once to 15 figures, and factorials end at 170!.</p>"
    "<p>Every command reads a box the same way: group commas and spaces, blanks around a pasted number, "
    "a leading + or -, and exponent form (1e3) are all understood. A result that no longer answers the "
    "boxes turns grey until the next command.</p>";

QString commandsPart(QWidget& window) {
    QString html = QStringLiteral("<h2>Commands and their keys</h2><table border=\"1\" cellpadding=\"3\">") +
                   row({QStringLiteral("<b>Button</b>"), QStringLiteral("<b>What it does</b>"),
                        QStringLiteral("<b>Keys</b>")});
    for (const QString& name : commandsWithKeys()) {
        const auto* button = controlNamed<QPushButton>(window, name.toLatin1().constData());
        html += row({escaped(button->text().trimmed()), escaped(commandDescription(name)), escaped(shortcutText(name))});
    }
    html += QStringLiteral("</table><h2>Other keys</h2><table border=\"1\" cellpadding=\"3\">");
    for (const WindowKey& key : windowKeys()) html += row({escaped(key.action), escaped(key.keys)});
    QStringList repeated;
    for (const QString& name : commandsRepeatedByEnter()) {
        repeated << controlNamed<QPushButton>(window, name.toLatin1().constData())->text().trimmed();
    }
    html += row({escaped(QStringLiteral("In the first or second number: repeat the last of %1 on the numbers as "
                                        "they stand")
                             .arg(repeated.join(QStringLiteral(", ")))),
                 QStringLiteral("Enter")});
    html += row({QStringLiteral("Walk the controls; press the focused button"), QStringLiteral("Tab; Space")});
    html += row({QStringLiteral("Close this help"), QStringLiteral("Esc")});
    return html + QStringLiteral("</table>");
}

QString errorsPart() {
    const std::pair<QString, const char*> texts[] = {
        {latin1(core::kNumericInputRequired),
         "A box holds no number (letters, a second point, a sign after the digits); for M+ and M-, the result "
         "or the memory holds none. In High Precision an empty operand is no number either."},
        {latin1(core::kOverflowText),
         "A value or a length is beyond what the mode computes with: more than 32,767 characters, or past the "
         "29-digit fixed decimal. ^ Exp also says this when a power cannot be computed (zero to a negative "
         "power, a negative base with a fractional exponent), and e-macro once its series has 32,767 terms."},
        {latin1(core::kDivideByZero), "The divisor's value is zero; an empty divisor counts as zero."},
        {latin1(core::kSigFigsNotANumber),
         "Divide, 1/x, Sq Rt, ^ Exp or e-macro found no number in the significant-figure setting."},
        {latin1(core::kInputMustBeNumeric), "Sq Rt found the first number empty or no number."},
        {latin1(core::kInputMustNotBeNegative), "Sq Rt of a negative number."},
        {latin1(core::kExponentNeeded), "^ Exp found the second number empty or no number."},
        {latin1(core::kFactorialTooLarge), "x ! of a number whose whole part is above 1000."},
        {latin1(core::kFactorialNeedsInteger),
         "x ! found the first number empty or no number."},
        {latin1(core::kFactorialNeedsWholeNumber), "x ! of a negative number."},
        {latin1(core::kFactorialOverflowText), "x ! of a number from 171 to 1000 in High Precision."},
    };
    QString html = QStringLiteral("<h2>What the error texts mean</h2><p>Instead of a number the result box can "
                                  "hold one of these texts:</p><dl>");
    for (const auto& [text, meaning] : texts) {
        html += QStringLiteral("<dt><b>%1</b></dt><dd>%2</dd>").arg(escaped(text), escaped(QString::fromLatin1(meaning)));
    }
    html += QStringLiteral("</dl><p>Two come in a message box:</p><dl>");
    html += QStringLiteral("<dt><b>%1</b></dt><dd>%2</dd>")
                .arg(escaped(latin1(core::kNumeratorTooLongMessage)),
                     QStringLiteral("The dividend of Divide is longer than the setting allows (its point counted); "
                                    "the result box is emptied."));
    html += QStringLiteral("<dt><b>%1</b></dt><dd>%2</dd>")
                .arg(escaped(latin1(core::kNoBrowserMessage)),
                     QStringLiteral("Visit the website found no browser to open the page."));
    return html + QStringLiteral("</dl>");
}

QString aboutPart() {
    QFile licence(QStringLiteral(":/text/LICENSE"));
    const QString licenceText = licence.open(QIODevice::ReadOnly) ? QString::fromUtf8(licence.readAll()) : QString();
    const QString address = QString::fromLatin1(frmNumora::kPageAddress);
    return QStringLiteral("<h2>About</h2><p>Calcora %1, a calculator for decimal numbers far longer than a "
                          "machine number holds.</p><p>Website: <a href=\"%2\">%2</a></p>"
                          "<p>Calcora is free software under the MIT licence:</p><pre>%3</pre>")
        .arg(QStringLiteral(CALCORA_VERSION), escaped(address), escaped(licenceText));
}

QDialog* makeHelp(QWidget& window) {
    auto* help = new QDialog(&window);
    help->setObjectName(QString::fromLatin1(kHelpName));
    help->setWindowTitle(QStringLiteral("Calcora Help"));
    help->resize(kHelpSize);

    auto* text = new QTextBrowser(help);
    text->setObjectName(QStringLiteral("helpText"));
    text->setAccessibleName(QStringLiteral("Calcora Help"));
    // A caret to read and select with the arrow keys, and Tab to the link.
    text->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    text->setOpenLinks(false);
    text->setHtml(QStringLiteral("<h1>Calcora %1 Help</h1>").arg(QStringLiteral(CALCORA_VERSION)) +
                  QString::fromLatin1(kModes) + commandsPart(window) + errorsPart() + aboutPart());
    QPushButton* visit = controlNamed<QPushButton>(window, "cmdVisit");
    QObject::connect(text, &QTextBrowser::anchorClicked, visit, [visit](const QUrl& url) {
        if (url == QUrl(QString::fromLatin1(frmNumora::kPageAddress))) visit->click();
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, help);
    QObject::connect(buttons, &QDialogButtonBox::rejected, help, &QDialog::close);
    auto* layout = new QVBoxLayout(help);
    layout->addWidget(text);
    layout->addWidget(buttons);
    return help;
}

}  // namespace

void showHelp(QWidget& window) {
    auto* help = window.findChild<QDialog*>(QString::fromLatin1(kHelpName), Qt::FindDirectChildrenOnly);
    if (help == nullptr) help = makeHelp(window);
    help->show();
    help->raise();
    help->activateWindow();
    help->findChild<QTextBrowser*>()->setFocus();
}

}  // namespace calcora
