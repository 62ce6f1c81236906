// txtResult_Change: beside every result, the power of ten it would carry in
// scientific notation, read from the positions of its characters alone.
#include "ui/frmNumora.h"

#include <QLineEdit>
#include <QStringView>

namespace calcora {
namespace {

// "123.45" → "2", ".0012" → "-3", "12345" → "4". A leading "-" is set aside
// first, so the exponent is that of the magnitude ("-.05" → "-2"). Empty for
// an empty text and for a text that carries its own exponent (a capital "E",
// as in the double results "1E+40"). Nothing is checked to be a digit.
// Positions are counted in qsizetype, so a text of any length gets its
// exponent.
QString exponentOf(QStringView text) {
    if (text.startsWith(u'-')) text = text.mid(1);
    if (text.isEmpty()) return {};
    // Only the one "0" of "0.5" is skipped: "00.5" gives "1".
    if (text.startsWith(u"0.")) text = text.mid(1);
    if (text.contains(u'E')) return {};

    const qsizetype point = text.indexOf(u'.');
    if (point < 0) return QString::number(text.size() - 1);
    if (point > 0) return QString::number(point - 1);
    qsizetype zeros = 0;
    while (1 + zeros < text.size() && text[1 + zeros] == u'0') ++zeros;
    return QString::number(-(1 + zeros));
}

}  // namespace

void frmNumora::txtResult_Change() { txtExp->setText(exponentOf(txtResult->text())); }

}  // namespace calcora
