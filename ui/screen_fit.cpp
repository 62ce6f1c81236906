// SPDX-License-Identifier: MIT
// The window's first place on the screen. Only the first geometry is fitted:
// the window stays free to be resized to any width afterwards, and the
// resize rule says what every width shows.
#include "ui/screen_fit.h"

#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace calcora {
namespace {

// The frame is known only once the window exists on the platform, which it
// does by its first Show event; it removes itself after that one event.
class FirstShowFit : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) return false;
        auto* window = static_cast<QWidget*>(watched);
        window->removeEventFilter(this);
        deleteLater();
        const QScreen* screen = window->screen();
        if (screen == nullptr) return false;
        const QRect available = screen->availableGeometry();
        const QRect frame = window->frameGeometry();
        if (available.contains(frame)) return false;
        const QRect client = window->geometry();
        const QMargins frameMargins(client.left() - frame.left(), client.top() - frame.top(),
                                    frame.right() - client.right(), frame.bottom() - client.bottom());
        window->setGeometry(firstGeometry(window->size(), available.marginsRemoved(frameMargins)));
        return false;
    }
};

}  // namespace

QRect firstGeometry(QSize wanted, const QRect& available) {
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, wanted.boundedTo(available.size()),
                               available);
}

void fitWhenFirstShown(QWidget& window) { window.installEventFilter(new FirstShowFit(&window)); }

}  // namespace calcora
