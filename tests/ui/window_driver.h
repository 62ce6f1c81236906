#pragma once
// Drives a real frmNumora in a test: controls found by object name, texts set
// and read, buttons clicked, the mode chosen, and the messages the window
// shows caught through its showMessage seam instead of a blocking box.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "ui/frmNumora.h"

class WindowDriver {
public:
    WindowDriver() {
        window.showMessage = [this](const QString& text) { messages << text; };
    }

    template <class Control>
    Control* control(const QString& name) {
        const auto found = window.findChildren<Control*>(name);
        if (found.size() != 1) qFatal("expected one control named %s", qPrintable(name));
        return found.front();
    }
    QLineEdit* box(const QString& name) { return control<QLineEdit>(name); }
    QString text(const QString& name) { return box(name)->text(); }
    void setText(const QString& name, const QString& text) { box(name)->setText(text); }
    void click(const QString& name) { control<QPushButton>(name)->click(); }
    void selectHighPrecision(bool highPrecision) {
        control<QRadioButton>(highPrecision ? QStringLiteral("OptHP") : QStringLiteral("optVHP"))
            ->setChecked(true);
    }

    calcora::frmNumora window;
    QStringList messages;
};
