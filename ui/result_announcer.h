// SPDX-License-Identifier: MIT
#pragma once
// A screen reader hears what each command gave without the focus moving:
// the window holds a notification (ResultAnnouncement) that shows itself,
// with a new name, at the end of every command that wrote the result or the
// memory.

#include <QObject>
#include <QString>

namespace calcora {

class frmNumora;

// The notification a screen reader speaks: its accessible role is
// Notification and its name the last announcement (accessible_interfaces.cpp
// gives it to screen readers as the window's last child).
class ResultAnnouncement : public QObject {
    Q_OBJECT

public:
    explicit ResultAnnouncement(QObject* parent);

    const QString& text() const { return text_; }

    // Takes text as its name and tells screen readers that it has shown.
    void announce(const QString& text);

private:
    QString text_;
};

// After every click of a command button of window (by mouse, key, shortcut,
// Enter or a screen reader), announces what the command wrote: the result
// (a long number as its first ten characters and its digit count,
// "4023872600… 2,568 digits"; an error text whole), then "Memory" and the
// memory's new text, or "Memory empty", when the memory changed. A command
// that wrote neither announces nothing.
void announceCommandResults(frmNumora& window);

}  // namespace calcora
