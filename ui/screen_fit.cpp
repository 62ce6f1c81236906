// SPDX-License-Identifier: MIT
// The window's first place on the screen. Only the first geometry is fitted:
// the window stays free to be resized to any width afterwards, and the
// resize rule says what every width shows.
#include "ui/screen_fit.h"

#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QStyle>
#include <QVariant>
#include <QWidget>
#include <algorithm>

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

QRect besideGeometry(const QRect& beside, QSize wanted, const QRect& available, const QList<QRect>& others,
                     int narrowest) {
    constexpr int kGap = 8;
    const QSize size = wanted.boundedTo(available.size());
    const int top = std::clamp(beside.top(), available.top(), available.bottom() - size.height() + 1);
    struct Strip {
        int room;
        bool right;
        bool taken;
    };
    const QRect rightStrip(QPoint(beside.right() + 1, available.top()), available.bottomRight());
    const QRect leftStrip(available.topLeft(), QPoint(beside.left() - 1, available.bottom()));
    const auto taken = [&](const QRect& strip) {
        return std::any_of(others.begin(), others.end(), [&](const QRect& other) { return other.intersects(strip); });
    };
    const Strip strips[] = {{available.right() - beside.right() - kGap, true, taken(rightStrip)},
                            {beside.left() - available.left() - kGap, false, taken(leftStrip)}};
    const Strip* best = nullptr;
    for (const bool freeOnly : {true, false}) {
        for (const Strip& strip : strips) {
            if (strip.room < narrowest || (freeOnly && strip.taken)) continue;
            if (best == nullptr || strip.room > best->room) best = &strip;
        }
        if (best != nullptr) break;
    }
    if (best == nullptr) return {QPoint(available.right() - size.width() + 1, top), size};
    const int width = std::min(size.width(), best->room);
    const int left = best->right ? beside.right() + 1 + kGap : beside.left() - kGap - width;
    return {QPoint(left, top), QSize(width, size.height())};
}

void placeBeside(const QWidget& window, QWidget& side) {
    if (side.property("calcoraPlaced").toBool()) return;
    side.setProperty("calcoraPlaced", true);
    const QScreen* screen = window.screen();
    if (screen == nullptr) return;
    QList<QRect> others;
    for (const QWidget* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != &side && other->isWindow() && other->isVisible()) others << other->frameGeometry();
    }
    side.setGeometry(besideGeometry(window.frameGeometry(), side.size(), screen->availableGeometry(), others));
}

}  // namespace calcora
