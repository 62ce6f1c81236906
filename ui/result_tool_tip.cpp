// The count of digits in the result box's tool tip.
#include "ui/result_tool_tip.h"

#include <QLineEdit>
#include <QLocale>
#include <QWidget>
#include <optional>

namespace calcora {
namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// TODO(lead): use the engine's number reading.
// The digits of a number as shown, those before any exponent; nothing when
// the text is not a number.
std::optional<qsizetype> mantissaDigits(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    qsizetype i = begin;
    if (i < end && (text[i] == u'-' || text[i] == u'+')) ++i;

    qsizetype digits = 0;
    bool point = false;
    for (; i < end; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            ++digits;
        } else if (c == u'.' && !point) {
            point = true;
        } else if (c != u',' && c != u' ') {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i == end) return digits;

    // The exponent: E or e, an optional sign, at least one digit, nothing after.
    if (text[i] != u'E' && text[i] != u'e') return std::nullopt;
    ++i;
    if (i < end && (text[i] == u'-' || text[i] == u'+')) ++i;
    if (i == end) return std::nullopt;
    for (; i < end; ++i) {
        if (!isDigit(text[i])) return std::nullopt;
    }
    return digits;
}

}  // namespace

QString digitCountTip(QStringView text) {
    const std::optional<qsizetype> digits = mantissaDigits(text);
    if (!digits) return {};
    if (*digits == 1) return QStringLiteral("1 digit");
    // "2,568 digits" whatever the desktop's language, as the window's other
    // texts are English.
    return QStringLiteral("%1 digits").arg(QLocale(QLocale::English).toString(qlonglong(*digits)));
}

void installResultDigitCount(QWidget& window) {
    auto* result = window.findChild<QLineEdit*>(QStringLiteral("txtResult"), Qt::FindDirectChildrenOnly);
    Q_ASSERT(result != nullptr);
    QObject::connect(result, &QLineEdit::textChanged, result,
                     [result](const QString& text) { result->setToolTip(digitCountTip(text)); });
}

}  // namespace calcora
