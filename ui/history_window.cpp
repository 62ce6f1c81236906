// SPDX-License-Identifier: MIT
// The list reads the entries where the history keeps them: a row's texts
// are abbreviated when the row is painted, and only the rows in sight are,
// so a full history opens as fast as an empty one.
#include "ui/history_window.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <deque>
#include <memory>
#include <optional>

#include "core/digit_grouping.h"
#include "ui/accessible_names.h"
#include "ui/command_support.h"
#include "ui/control_named.h"
#include "ui/desktop_colours.h"
#include "ui/frmNumora.h"
#include "ui/screen_fit.h"
#include "ui/whole_number_view.h"

namespace calcora {
namespace {

const char* const kHistoryName = "calculationHistory";
const char* const kWindowName = "historyWindow";
const QSize kWindowSize(860, 420);
const char* const kSuggestedFile = "calcora-history.txt";

// The result comes early: it is what an entry is chosen for.
enum Column { Number, Command, Result, FirstOperand, OtherOperands, Mode, ColumnCount };
const char* const kHeadings[] = {"No.", "Command", "Result", "First operand", "Second operand", "Mode"};
const int kWidths[] = {44, 70, 200, 170, 170};

QString commas(std::uint64_t count) { return QString::fromStdString(core::withGroupCommas(count)); }

QString shortText(const core::LabelledText& text) {
    return text.text.empty() ? QStringLiteral("(empty)") : QString::fromStdString(core::abbreviated(text.text));
}

// Operands as the list shows them: the two numbers plainly (the column
// names them), any other box with its name ("Memory: 5").
QString operandsText(const std::vector<core::LabelledText>& texts, std::size_t from, std::size_t to, bool labelled) {
    QStringList shown;
    for (std::size_t i = from; i < std::min(to, texts.size()); ++i) {
        const bool plain =
            !labelled && (texts[i].label == "First number" || texts[i].label == "Second number");
        shown << (plain ? QString() : QString::fromStdString(texts[i].label) + QStringLiteral(": ")) + shortText(texts[i]);
    }
    return shown.join(QStringLiteral("; "));
}

QString dataSize(std::size_t bytes) {
    return QLocale(QLocale::English).formattedDataSize(static_cast<qint64>(bytes), 1, QLocale::DataSizeTraditionalFormat);
}

QString entryName(const core::HistoryEntry& entry, const core::LabelledText& text) {
    return QStringLiteral("Entry %1, %2").arg(entry.number).arg(QString::fromStdString(text.label));
}

}  // namespace

// The history's entries as rows, newest first.
class HistoryModel : public QAbstractTableModel {
public:
    HistoryModel(core::History& history, QObject* parent) : QAbstractTableModel(parent), history_(history) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(history_.entries().size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : ColumnCount; }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) return {};
        return QString::fromLatin1(kHeadings[section]);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const core::HistoryEntry* entry = entryAt(index.row());
        if (entry == nullptr) return {};
        if (role == Qt::TextAlignmentRole && index.column() == Number) return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role == Qt::DisplayRole) return shownRow(index.row())[index.column()];
        // Tool tips and screen readers name every text.
        if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) return texts(*entry, true)[index.column()];
        return {};
    }

    // The entry of a row, newest first; null for none.
    const core::HistoryEntry* entryAt(int row) const {
        const auto& entries = history_.entries();
        if (row < 0 || static_cast<std::size_t>(row) >= entries.size()) return nullptr;
        return &entries[entries.size() - 1 - static_cast<std::size_t>(row)];
    }

    // Adds the entry as the first row, then drops the oldest (the last
    // rows) while the history is over its bound.
    void add(core::HistoryEntry entry) {
        beginInsertRows(QModelIndex(), 0, 0);
        history_.push(std::move(entry));
        shown_.emplace_back();
        endInsertRows();
        const std::size_t excess = history_.excess();
        if (excess == 0) return;
        const int rows = rowCount(QModelIndex());
        beginRemoveRows(QModelIndex(), rows - static_cast<int>(excess), rows - 1);
        history_.dropOldest(excess);
        shown_.erase(shown_.begin(), shown_.begin() + static_cast<std::ptrdiff_t>(excess));
        endRemoveRows();
    }

private:
    using Row = std::array<QString, ColumnCount>;

    // A row's texts, abbreviated once, when it is first painted: reading a
    // number of 32,767 digits again for every paint would cost a frame.
    const Row& shownRow(int row) const {
        std::optional<Row>& shown = shown_[shown_.size() - 1 - static_cast<std::size_t>(row)];
        if (!shown) shown = texts(*entryAt(row), false);
        return *shown;
    }

    static Row texts(const core::HistoryEntry& entry, bool labelled) {
        Row row;
        for (int column = 0; column < ColumnCount; ++column) row[column] = text(entry, column, labelled);
        return row;
    }

    static QString text(const core::HistoryEntry& entry, int column, bool labelled) {
        const std::size_t all = entry.operands.size();
        switch (column) {
            case Number: return QString::number(entry.number);
            case Command: return QString::fromStdString(entry.command);
            case Result: {
                QString shown = entry.result.label == "Error" ? QString::fromStdString(entry.result.text)
                                                               : shortText(entry.result);
                if (labelled) shown = QString::fromStdString(entry.result.label) + QStringLiteral(": ") + shown;
                if (!entry.alsoWritten.empty()) {
                    shown += QStringLiteral("; ") + operandsText(entry.alsoWritten, 0, entry.alsoWritten.size(), true);
                }
                return shown;
            }
            case FirstOperand: return operandsText(entry.operands, 0, 1, labelled);
            case OtherOperands: return operandsText(entry.operands, 1, all, labelled);
            case Mode:
                return QStringLiteral("%1, setting %2")
                    .arg(entry.mode == core::Mode::HighPrecision ? QStringLiteral("HP") : QStringLiteral("VHP"),
                         shortText(entry.setting));
            default: return {};
        }
    }

    core::History& history_;
    mutable std::deque<std::optional<Row>> shown_;  // beside the entries, oldest first
};

CalculationHistory::CalculationHistory(frmNumora& window)
    : QObject(&window), window_(window), model_(new HistoryModel(history_, this)) {
    setObjectName(QString::fromLatin1(kHistoryName));
    chooseSaveFile = [](QWidget* parent) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Save history"),
                                            QDir::home().filePath(QString::fromLatin1(kSuggestedFile)),
                                            QStringLiteral("Text files (*.txt);;All files (*)"));
    };
    connect(&window, &frmNumora::commandRun, this, &CalculationHistory::commandRun);
}

QAbstractItemModel* CalculationHistory::model() const { return model_; }

void CalculationHistory::commandRun(const QString& button, const core::WindowState& before,
                                    const core::WindowState& after, bool resultWritten) {
    if (!resultWritten) return;
    const auto* pressed = window_.findChild<QPushButton*>(button, Qt::FindDirectChildrenOnly);
    const QString caption = pressed != nullptr ? pressed->text().trimmed() : button;
    model_->add(core::entryOf(engineText(button), engineText(caption), before, after));
    emit changed();
}

bool CalculationHistory::saveAs(QWidget* parent) {
    const QString path = chooseSaveFile ? chooseSaveFile(parent) : QString();
    return !path.isEmpty() && saveTo(path);
}

bool CalculationHistory::saveTo(const QString& path) {
    // A new or ordinary file is written beside it and then put in its place,
    // so a failed save leaves an earlier file whole; anything else there (a
    // device, a pipe) is written directly, never replaced.
    const QFileInfo info(path);
    std::unique_ptr<QFileDevice> file;
    QSaveFile* replacing = nullptr;
    if (info.exists() && !info.isFile() && !info.isDir()) {
        file = std::make_unique<QFile>(path);
    } else {
        auto saveFile = std::make_unique<QSaveFile>(path);
        replacing = saveFile.get();
        file = std::move(saveFile);
    }
    bool written = file->open(QIODevice::WriteOnly);
    if (written) {
        core::writeHistory(history_, "Calcora " CALCORA_VERSION, [&](std::string_view piece) {
            const auto size = static_cast<qint64>(piece.size());
            written = written && file->write(piece.data(), size) == size;
        });
        if (replacing != nullptr) {
            written = written ? replacing->commit() : (replacing->cancelWriting(), false);
        } else {
            written = file->flush() && written;
            file->close();
            written = written && file->error() == QFileDevice::NoError;
        }
    }
    const QString where = QDir::toNativeSeparators(info.absoluteFilePath());
    if (!written) {
        const QString message = QStringLiteral("The history could not be saved to %1: %2.\n\nEvery entry is still "
                                               "in the history; save it to another file or free some space.")
                                    .arg(where, file->errorString());
        saveStatus_ = QStringLiteral("Not saved.");
        emit changed();
        if (window_.showMessage) window_.showMessage(message);
        return false;
    }
    const std::size_t entries = history_.entries().size();
    saveStatus_ = QStringLiteral("Saved %1 %2 to %3.").arg(commas(entries), entries == 1 ? QStringLiteral("entry") : QStringLiteral("entries"), where);
    emit changed();
    return true;
}

QString CalculationHistory::dropNotice() const {
    const std::uint64_t dropped = history_.dropped();
    if (dropped == 0) return {};
    return QStringLiteral("The history keeps at most 64 MB, so the %1 oldest %2 dropped.")
        .arg(commas(dropped), dropped == 1 ? QStringLiteral("entry was") : QStringLiteral("entries were"));
}

void keepHistory(frmNumora& window) { new CalculationHistory(window); }

CalculationHistory* historyOf(QWidget& window) {
    return window.findChild<CalculationHistory*>(QString::fromLatin1(kHistoryName), Qt::FindDirectChildrenOnly);
}

namespace {

// The history window's doings on the entry with the list's focus.
class HistoryWindow : public QDialog {
public:
    HistoryWindow(frmNumora& window, CalculationHistory& history)
        : QDialog(&window), window_(window), history_(history),
          model_(static_cast<HistoryModel*>(history.model())) {
        setObjectName(QString::fromLatin1(kWindowName));
        setWindowTitle(QStringLiteral("Calcora History"));
        resize(kWindowSize);
        setSizeGripEnabled(true);
        colourSideWindow(*this);

        notice_ = new QLabel(this);
        notice_->setObjectName(QStringLiteral("historyNotice"));
        notice_->setWordWrap(true);

        list_ = new QTreeView(this);
        list_->setObjectName(QStringLiteral("historyList"));
        list_->setModel(model_);
        list_->setRootIsDecorated(false);
        list_->setUniformRowHeights(true);
        list_->setAllColumnsShowFocus(true);
        list_->setSelectionBehavior(QAbstractItemView::SelectRows);
        list_->setSelectionMode(QAbstractItemView::SingleSelection);
        list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list_->setContextMenuPolicy(Qt::CustomContextMenu);
        for (int column = 0; column < Mode; ++column) list_->setColumnWidth(column, kWidths[column]);
        list_->installEventFilter(this);
        connect(list_, &QTreeView::doubleClicked, this, [this] { recall(core::Box::Num1); });
        connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
            QMenu* menu = entryMenu(this);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(list_->viewport()->mapToGlobal(at));
        });
        connect(model_, &QAbstractItemModel::rowsInserted, this, &HistoryWindow::followNewest);
        connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, &HistoryWindow::refresh);

        const auto button = [this](const char* caption, const char* name, auto run) {
            auto* made = new QPushButton(QString::fromUtf8(caption), this);
            made->setObjectName(QString::fromLatin1(name));
            made->setAutoDefault(false);
            connect(made, &QPushButton::clicked, this, run);
            return made;
        };
        recallFirst_ = button("Put into &first number", "recallFirstButton", [this] { recall(core::Box::Num1); });
        recallSecond_ = button("Put into &second number", "recallSecondButton", [this] { recall(core::Box::Num2); });
        copy_ = button("&Copy result", "copyResultButton", [this] { copyResult(); });
        showWhole_ = button("Show &whole", "showWholeButton", [] {});
        auto* numbers = new QMenu(showWhole_);
        connect(numbers, &QMenu::aboutToShow, this, [this, numbers] {
            numbers->clear();
            addShowItems(*numbers);
        });
        showWhole_->setMenu(numbers);
        QPushButton* save = button("Save &history…", "saveHistoryButton", [this] { history_.saveAs(this); });
        QPushButton* close = button("Close", "closeButton", [this] { this->close(); });
        auto* saveKey = new QShortcut(QKeySequence::Save, this);
        connect(saveKey, &QShortcut::activated, save, &QPushButton::click);

        status_ = new QLabel(this);
        status_->setObjectName(QStringLiteral("historyStatus"));

        auto* entryRow = new QHBoxLayout;
        for (QPushButton* entryButton : {recallFirst_, recallSecond_, copy_, showWhole_}) entryRow->addWidget(entryButton);
        entryRow->addStretch();
        auto* bottomRow = new QHBoxLayout;
        bottomRow->addWidget(status_, 1);
        bottomRow->addWidget(save);
        bottomRow->addWidget(close);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(notice_);
        layout->addWidget(list_, 1);
        layout->addLayout(entryRow);
        layout->addLayout(bottomRow);
        describeSideWindow(*this);

        connect(&history_, &CalculationHistory::changed, this, &HistoryWindow::refresh);
        refresh();
    }

    void bringToFront() {
        placeBeside(window_, *this);
        show();
        raise();
        activateWindow();
        if (!list_->currentIndex().isValid() && model_->rowCount(QModelIndex()) > 0) {
            list_->setCurrentIndex(model_->index(0, 0));
        }
        list_->setFocus();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != list_ || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        std::function<void()> run;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (modifiers == Qt::NoModifier) run = [this] { recall(core::Box::Num1); };
            if (modifiers == Qt::ControlModifier) run = [this] { recall(core::Box::Num2); };
        } else if (key->matches(QKeySequence::Copy)) {
            run = [this] { copyResult(); };
        } else if (key->key() == Qt::Key_D && modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
            run = [this] { showWhole(nullptr); };
        }
        if (!run) return false;
        event->accept();
        if (event->type() == QEvent::KeyPress) run();
        return true;
    }

private:
    const core::HistoryEntry* current() const { return model_->entryAt(list_->currentIndex().row()); }

    void followNewest(const QModelIndex&, int first) {
        // With nothing chosen, or the newest, the new entry is the one chosen.
        const QModelIndex currentRow = list_->currentIndex();
        if (first == 0 && (!currentRow.isValid() || currentRow.row() == 1)) list_->setCurrentIndex(model_->index(0, 0));
    }

    void tell(const QString& what) {
        told_ = what;
        refresh();
    }

    void refresh() {
        const QString notice = history_.dropNotice();
        notice_->setText(notice);
        notice_->setVisible(!notice.isEmpty());
        const std::size_t entries = history_.history().entries().size();
        QStringList status{entries == 0 ? QStringLiteral("No calculations yet.")
                                        : QStringLiteral("%1 %2, %3.")
                                              .arg(commas(entries),
                                                   entries == 1 ? QStringLiteral("entry") : QStringLiteral("entries"),
                                                   dataSize(history_.history().bytes()))};
        if (!told_.isEmpty()) status << told_;
        if (!history_.saveStatus().isEmpty()) status << history_.saveStatus();
        status_->setText(status.join(u' '));
        const bool chosen = current() != nullptr;
        for (QPushButton* entryButton : {recallFirst_, recallSecond_, copy_, showWhole_}) entryButton->setEnabled(chosen);
    }

    void recall(core::Box box) {
        const core::HistoryEntry* entry = current();
        if (entry == nullptr) return;
        const core::WindowState before = window_.state();
        core::WindowState state = before;
        (box == core::Box::Num1 ? state.num1 : state.num2) = entry->result.text;
        window_.restore(state);
        // Undoable like a command; it writes no result, so it is no entry here.
        emit window_.commandRun(QStringLiteral("Recall from history"), before, state, false);
        // Shown from its start, as a command shows what it writes.
        controlNamed<QLineEdit>(window_, box == core::Box::Num1 ? "txtNum1" : "txtNum2")->setCursorPosition(0);
        tell(QStringLiteral("The result of entry %1 is in the %2 number.")
                 .arg(QString::number(entry->number),
                      box == core::Box::Num1 ? QStringLiteral("first") : QStringLiteral("second")));
    }

    void copyResult() {
        const core::HistoryEntry* entry = current();
        if (entry == nullptr) return;
        QGuiApplication::clipboard()->setText(boxText(entry->result.text));
        tell(QStringLiteral("The result of entry %1 is on the clipboard.").arg(entry->number));
    }

    // The entry's text whole in the whole-number view; its result for none.
    void showWhole(const core::LabelledText* text) {
        const core::HistoryEntry* entry = current();
        if (entry == nullptr) return;
        if (text == nullptr) text = &entry->result;
        showWholeText(window_, entryName(*entry, *text), boxText(text->text));
    }

    // "Show Result whole", "Show First number whole", ... for the current entry.
    void addShowItems(QMenu& menu) {
        const core::HistoryEntry* entry = current();
        if (entry == nullptr) return;
        const auto add = [&](const core::LabelledText& text, const QString& keys) {
            QAction* action = menu.addAction(QStringLiteral("Show %1 whole").arg(QString::fromStdString(text.label)) + keys);
            const std::uint64_t number = entry->number;
            const core::LabelledText* shown = &text;
            connect(action, &QAction::triggered, this, [this, number, shown] {
                // Still the same entry: the history may have moved on since.
                if (const core::HistoryEntry* now = current(); now != nullptr && now->number == number) showWhole(shown);
            });
        };
        add(entry->result, QStringLiteral("\tCtrl+Shift+D"));
        for (const core::LabelledText& text : entry->operands) add(text, QString());
        for (const core::LabelledText& text : entry->alsoWritten) add(text, QString());
        add(entry->setting, QString());
    }

    QMenu* entryMenu(QWidget* parent) {
        auto* menu = new QMenu(parent);
        if (current() != nullptr) {
            connect(menu->addAction(QStringLiteral("Put into first number\tEnter")), &QAction::triggered, this,
                    [this] { recall(core::Box::Num1); });
            connect(menu->addAction(QStringLiteral("Put into second number\tCtrl+Enter")), &QAction::triggered, this,
                    [this] { recall(core::Box::Num2); });
            connect(menu->addAction(QStringLiteral("Copy result\tCtrl+C")), &QAction::triggered, this,
                    [this] { copyResult(); });
            menu->addSeparator();
            addShowItems(*menu);
            menu->addSeparator();
        }
        connect(menu->addAction(QStringLiteral("Save history…\tCtrl+S")), &QAction::triggered, this,
                [this] { history_.saveAs(this); });
        return menu;
    }

    frmNumora& window_;
    CalculationHistory& history_;
    HistoryModel* model_;
    QLabel* notice_;
    QTreeView* list_;
    QPushButton* recallFirst_;
    QPushButton* recallSecond_;
    QPushButton* copy_;
    QPushButton* showWhole_;
    QLabel* status_;
    QString told_;
};

}  // namespace

QDialog* showHistory(QWidget& window) {
    auto* frame = qobject_cast<frmNumora*>(&window);
    CalculationHistory* history = historyOf(window);
    if (frame == nullptr || history == nullptr) return nullptr;
    // HistoryWindow is the only dialog of that name.
    auto* shown = static_cast<HistoryWindow*>(
        window.findChild<QDialog*>(QString::fromLatin1(kWindowName), Qt::FindDirectChildrenOnly));
    if (shown == nullptr) shown = new HistoryWindow(*frame, *history);
    shown->bringToFront();
    return shown;
}

}  // namespace calcora
