#include "scripttestwindows.h"

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/reportlist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

template <typename Widget>
Widget *addControl(QWidget *parent, int id)
{
    auto *widget = new Widget;
    ui::setControlId(widget, id);
    parent->layout()->addWidget(widget);
    return widget;
}

class FolderPage : public ui::PropertyPage
{
public:
    explicit FolderPage(QStringList *events)
        : ui::PropertyPage(10, QStringLiteral("フォルダ"))
    {
        new QVBoxLayout(this);
        auto *edit = addControl<QLineEdit>(this, 1001);
        auto *browse = addControl<QPushButton>(this, 1000);
        browse->setText(QStringLiteral("参照"));
        QObject::connect(edit, &QLineEdit::textChanged, this, [this, events](const QString &text) {
            events->append(QStringLiteral("10:text ") + text);
            onSetActive();
        });
        ui::onFocusLost(edit, [this, edit] {
            if (edit->text().startsWith(QStringLiteral("D:\\nowhere")))
                ui::messageBox(this, QStringLiteral("パス(%1)が存在しません。").arg(edit->text()));
        });
        QObject::connect(browse, &QPushButton::clicked, this, [this, edit] {
            if (const std::optional<QString> folder = ui::browseForFolder(this, QStringLiteral("選択")))
                edit->setText(*folder);
        });
    }

    bool onSetActive() override
    {
        setWizardButtons(control<QLineEdit>(1001)->text().isEmpty() ? 0 : ui::WizardSheet::Next);
        return true;
    }
};

class ChoicePage : public ui::PropertyPage
{
public:
    explicit ChoicePage(QStringList *events)
        : ui::PropertyPage(20, QStringLiteral("選択"))
    {
        new QVBoxLayout(this);
        auto *combo = addControl<QComboBox>(this, 1006);
        combo->addItems({QStringLiteral("本棚A"), QStringLiteral("本棚B"), QStringLiteral("本棚C")});
        QObject::connect(combo, &QComboBox::activated, this, [events](int index) {
            events->append(QStringLiteral("20:activated %1").arg(index));
        });
        auto *list = addControl<QListWidget>(this, 1008);
        list->addItems({QStringLiteral("PC-01"), QStringLiteral("PC-02")});
        QObject::connect(list, &QListWidget::currentRowChanged, this, [events](int row) {
            events->append(QStringLiteral("20:row %1").arg(row));
        });
        auto *tabs = addControl<QTabWidget>(this, 1010);
        tabs->addTab(new QWidget, QStringLiteral("自共有グループ"));
        tabs->addTab(new QWidget, QStringLiteral("他共有グループ"));
        QObject::connect(tabs, &QTabWidget::currentChanged, this, [events](int index) {
            events->append(QStringLiteral("20:tab %1").arg(index));
        });
        auto *tree = new FolderTree({QStringLiteral("D:\\工事"), QStringLiteral("D:\\工事\\写真")});
        ui::setControlId(tree, 1024);
        layout()->addWidget(tree);
    }

    bool onSetActive() override
    {
        setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Next);
        return true;
    }

    // The third bookshelf needs a yes; no keeps the page.
    int onWizardNext() override
    {
        if (control<QComboBox>(1006)->currentIndex() == 2
            && ui::messageBox(this, QStringLiteral("続けますか？"), QString(), ui::Buttons::YesNo)
                != ui::IDYES) {
            return ui::WizardSheet::Stay;
        }
        return 0;
    }
};

class LastPage : public ui::PropertyPage
{
public:
    explicit LastPage(QStringList *events)
        : ui::PropertyPage(30, QStringLiteral("完了"))
    {
        new QVBoxLayout(this);
        auto *check = addControl<QCheckBox>(this, 1004);
        QObject::connect(check, &QCheckBox::clicked, this, [events](bool checked) {
            events->append(QStringLiteral("30:check %1").arg(int(checked)));
        });
    }

    bool onSetActive() override
    {
        setWizardButtons(ui::WizardSheet::Back | ui::WizardSheet::Finish);
        return true;
    }
};

} // namespace

FolderTree::FolderTree(const QStringList &folders)
{
    QTreeWidgetItem *parent = nullptr;
    for (const QString &folder : folders) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, folder);
        item->setCheckState(0, Qt::Unchecked);
        parent = item;
    }
}

bool FolderTree::tickPath(const QString &windowsPath)
{
    QTreeWidgetItem *found = item(windowsPath);
    if (!found)
        return false;
    found->setCheckState(0, found->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    return true;
}

bool FolderTree::isTicked(const QString &windowsPath) const
{
    QTreeWidgetItem *found = item(windowsPath);
    return found && found->checkState(0) == Qt::Checked;
}

QTreeWidgetItem *FolderTree::item(const QString &windowsPath) const
{
    const QList<QTreeWidgetItem *> items =
        findItems(windowsPath, Qt::MatchFixedString | Qt::MatchRecursive);
    return items.value(0);
}

ScriptWizard::ScriptWizard()
{
    addPage(new FolderPage(&events));
    addPage(new ChoicePage(&events));
    addPage(new LastPage(&events));
}

QLineEdit *ScriptWizard::folderEdit() const
{
    return ui::control<QLineEdit>(page(0), 1001);
}

FolderTree *ScriptWizard::tree() const
{
    return static_cast<FolderTree *>(ui::findControl(page(1), 1024));
}

ScriptDialog::ScriptDialog()
{
    new QVBoxLayout(this);
    m_list = addControl<QListWidget>(this, 1008);
    m_list->addItems({QStringLiteral("PC-01"), QStringLiteral("PC-02"), QStringLiteral("PC-03")});
    auto *change = addControl<QPushButton>(this, 1004);
    change->setText(QStringLiteral("共有情報を変更"));
    QObject::connect(change, &QPushButton::clicked, this, [this] {
        const QString computer = m_list->currentItem() ? m_list->currentItem()->text() : QString();
        const int answer = ui::messageBox(this, computer + QStringLiteral("\nの共有を解除します。"),
                                          QStringLiteral("確認"), ui::Buttons::YesNo);
        events.append(QStringLiteral("1004 %1 %2").arg(computer, ui::resultName(answer)));
    });
    auto *photos = addControl<ui::ReportList>(this, 1013);
    photos->setSortedByFirstColumn(true);
    photos->insertColumn(0, QStringLiteral("ｼﾘｱﾙ番号"), Qt::AlignHCenter, 80);
    photos->appendRows({{QStringLiteral("0103")}, {QStringLiteral("0007")}, {QStringLiteral("0012")}});
    QObject::connect(photos->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                     [this, photos](const QModelIndex &current) {
                         events.append(QStringLiteral("1013 ") + photos->itemText(current.row(), 0));
                     });
    auto *folder = addControl<QLineEdit>(this, 1007);
    folder->setReadOnly(true);
    auto *exit = addControl<QPushButton>(this, 2);
    exit->setText(QStringLiteral("終　了"));
    QObject::connect(exit, &QPushButton::clicked, this, [this] {
        events.append(QStringLiteral("exit"));
        done(2);
    });
}
