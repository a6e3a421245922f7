#include "gridlist/grid_list_organizer_dialog.h"

#include "common/language_texts.h"
#include "gridlist/add_grids_dialog.h"
#include "gridlist/grid_list_edits.h"
#include "gridlist/grid_list_file.h"
#include "platform/prompter.h"
#include "platform/twips.h"

#include <QBoxLayout>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// An entry whose text is wider than the list minus this margin shows its whole text as a tip.
constexpr int kTipMarginTwips = 400;

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

} // namespace

std::optional<GridList> GridListOrganizerDialog::ask(QWidget *parent, const GridList &current,
                                                     const OrganizerContext &context)
{
    GridListOrganizerDialog dialog(current, context, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.entries();
}

GridListOrganizerDialog::GridListOrganizerDialog(const GridList &current, const OrganizerContext &context,
                                                 QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_texts(organizerTexts(context.language))
    , m_entries(current)
    , m_addDialogRunner([](GridListOrganizerDialog &organizer) {
        AddGridsDialog dialog(organizer, organizer.m_context);
        dialog.exec();
    })
{
    Q_ASSERT(m_context.prompter);
    setObjectName(QStringLiteral("frmEnsembleTableaux"));
    setWindowTitle(m_texts.title);
    buildWidgets();
    fillList();
    showNoCurrentEntry();
}

void GridListOrganizerDialog::buildWidgets()
{
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstEnsembleTableaux"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    m_list->setMouseTracking(true);
    m_list->viewport()->installEventFilter(this);
    m_list->installEventFilter(this);
    m_list->setMinimumSize(420, 260);
    m_countLabel = new QLabel(this);
    m_countLabel->setObjectName(QStringLiteral("lblNbDossiers"));
    m_checkedLabel = new QLabel(this);
    m_checkedLabel->setObjectName(QStringLiteral("lblNbSelectionnes"));

    m_up = makeButton(this, "cmdMonter", m_texts.cmdMonter, m_texts.cmdMonterTip);
    m_down = makeButton(this, "cmdDescendre", m_texts.cmdDescendre, m_texts.cmdDescendreTip);
    m_sort = makeButton(this, "cmdTrier", m_texts.cmdTrier, m_texts.cmdTrierTip);
    m_add = makeButton(this, "cmdAjouter", m_texts.cmdAjouter, m_texts.cmdAjouterTip);
    m_remove = makeButton(this, "cmdSupprimer", m_texts.cmdSupprimer, m_texts.cmdSupprimerTip);
    m_removeAll = makeButton(this, "cmdSupprimerTout", m_texts.cmdSupprimerTout, m_texts.cmdSupprimerToutTip);
    m_goTo = makeButton(this, "cmdGoTo", m_texts.cmdGoTo, m_texts.cmdGoToTip);
    QPushButton *ok = makeButton(this, "cmdOK", m_texts.cmdOK, {});
    QPushButton *cancel = makeButton(this, "cmdAnnuler", m_texts.cmdAnnuler, {});
    ok->setDefault(true);

    auto *tools = new QVBoxLayout;
    for (QPushButton *button : {m_up, m_down, m_sort, m_add, m_remove, m_removeAll, m_goTo}) {
        button->setFixedWidth(36);
        tools->addWidget(button);
    }
    tools->addStretch();
    auto *listRow = new QHBoxLayout;
    listRow->addWidget(m_list, 1);
    listRow->addLayout(tools);
    auto *bottom = new QHBoxLayout;
    auto *counts = new QVBoxLayout;
    counts->addWidget(m_countLabel);
    counts->addWidget(m_checkedLabel);
    bottom->addLayout(counts, 1);
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(listRow, 1);
    layout->addLayout(bottom);
    resize(600, 380);

    connect(m_list, &QListWidget::itemSelectionChanged, this, &GridListOrganizerDialog::applySelectionRule);
    connect(m_list, &QListWidget::itemChanged, this, &GridListOrganizerDialog::onItemChanged);
    connect(m_up, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(m_sort, &QPushButton::clicked, this, &GridListOrganizerDialog::sortList);
    connect(m_add, &QPushButton::clicked, this, [this] { m_addDialogRunner(*this); });
    connect(m_remove, &QPushButton::clicked, this, &GridListOrganizerDialog::removeCurrent);
    connect(m_removeAll, &QPushButton::clicked, this, &GridListOrganizerDialog::removeAll);
    connect(m_goTo, &QPushButton::clicked, this, &GridListOrganizerDialog::goToCurrent);
    connect(ok, &QPushButton::clicked, this, &GridListOrganizerDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &GridListOrganizerDialog::reject);
}

int GridListOrganizerDialog::currentIndex() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

void GridListOrganizerDialog::replaceEntries(const GridList &entries)
{
    const int current = currentIndex();
    m_entries = entries;
    fillList();
    if (current >= 0 && current < m_entries.size()) {
        setCurrent(current);
    } else {
        showNoCurrentEntry();
    }
}

void GridListOrganizerDialog::setAddDialogRunner(std::function<void(GridListOrganizerDialog &)> runner)
{
    m_addDialogRunner = std::move(runner);
}

void GridListOrganizerDialog::accept()
{
    if (const auto failure = EcrireListeTableaux(m_context.listFile, m_entries)) {
        m_context.prompter->showError(
            messageTexts(m_context.language).gridListNotWritten.arg(failure->path, failure->reason));
        return;
    }
    QDialog::accept();
}

void GridListOrganizerDialog::fillList()
{
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const GridListEntry &entry : std::as_const(m_entries)) {
        auto *item = new QListWidgetItem(entry.path, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.checked ? Qt::Checked : Qt::Unchecked);
    }
    m_list->setToolTip({});
    updateCounts();
}

void GridListOrganizerDialog::updateCounts()
{
    m_countLabel->setText(gridCountText(m_entries.size(), m_context.language));
    m_checkedLabel->setText(checkedGridCountText(checkedCount(m_entries), m_context.language));
}

void GridListOrganizerDialog::applySelectionRule()
{
    const int current = currentIndex();
    const bool hasCurrent = current >= 0;
    m_goTo->setEnabled(hasCurrent);
    m_remove->setEnabled(hasCurrent);
    m_up->setEnabled(hasCurrent && current != 0);
    m_down->setEnabled(hasCurrent && current != m_entries.size() - 1);
    m_removeAll->setEnabled(!m_entries.isEmpty());
    updateCounts();
}

// The state the organiser opens in, and returns to after a sort or a removal: no current entry, the
// remove buttons on while the list has entries.
void GridListOrganizerDialog::showNoCurrentEntry()
{
    {
        const QSignalBlocker blocker(m_list);
        m_list->clearSelection();
        m_list->setCurrentItem(nullptr);
    }
    m_up->setEnabled(false);
    m_down->setEnabled(false);
    m_goTo->setEnabled(false);
    m_remove->setEnabled(!m_entries.isEmpty());
    m_removeAll->setEnabled(!m_entries.isEmpty());
    updateCounts();
}

void GridListOrganizerDialog::setCurrent(int index)
{
    {
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    }
    applySelectionRule();
}

void GridListOrganizerDialog::onItemChanged(QListWidgetItem *item)
{
    const int row = m_list->row(item);
    if (row < 0 || row >= m_entries.size())
        return;
    const bool ticked = item->checkState() == Qt::Checked;
    if (ticked == m_entries[row].checked)
        return;
    if (ticked && !directoryExists(m_entries[row].path)) {
        m_context.prompter->showExclamation(m_texts.tickUnknownDirectory);
        const QSignalBlocker blocker(m_list);
        item->setCheckState(Qt::Unchecked);
        return;
    }
    m_entries[row].checked = ticked;
    updateCounts();
}

void GridListOrganizerDialog::moveCurrent(int step)
{
    const int current = currentIndex();
    if (current < 0 || !moveEntry(m_entries, current, current + step))
        return;
    {
        const QSignalBlocker blocker(m_list);
        m_list->insertItem(current + step, m_list->takeItem(current));
    }
    setCurrent(current + step);
}

void GridListOrganizerDialog::sortList()
{
    sortEntries(m_entries);
    fillList();
    showNoCurrentEntry();
}

void GridListOrganizerDialog::removeCurrent()
{
    if (!removeEntry(m_entries, currentIndex()))
        return;
    fillList();
    showNoCurrentEntry();
}

void GridListOrganizerDialog::removeAll()
{
    if (!m_context.prompter->askYesNo(m_texts.removeAllQuestion))
        return;
    m_entries.clear();
    fillList();
    showNoCurrentEntry();
}

void GridListOrganizerDialog::goToCurrent()
{
    const int current = currentIndex();
    if (current < 0)
        return;
    const QString path = m_entries[current].path;
    if (!directoryExists(path)) {
        m_context.prompter->showExclamation(m_texts.goToUnknownDirectory);
        return;
    }
    if (m_context.goTo)
        m_context.goTo(path);
}

bool GridListOrganizerDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        startFromFirstEntry(*static_cast<QKeyEvent *>(event)))
        return true;
    if (watched == m_list->viewport() && event->type() == QEvent::MouseMove) {
        const auto *move = static_cast<QMouseEvent *>(event);
        if (move->buttons() == Qt::NoButton)
            updateTip(move->position().toPoint());
    }
    return QDialog::eventFilter(watched, event);
}

bool GridListOrganizerDialog::startFromFirstEntry(const QKeyEvent &key)
{
    // With no entry current the list's own cursor may sit on any entry, unseen: the first Down or
    // Space starts from the first entry, Space ticking or unticking it as it would a current one.
    const bool down = key.key() == Qt::Key_Down;
    const bool space = key.key() == Qt::Key_Space;
    if ((!down && !space) || key.modifiers() != Qt::NoModifier || currentIndex() >= 0 || m_entries.isEmpty())
        return false;
    setCurrent(0);
    if (space) {
        QListWidgetItem *first = m_list->item(0);
        first->setCheckState(first->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
    return true;
}

void GridListOrganizerDialog::updateTip(const QPoint &viewportPosition)
{
    const QListWidgetItem *item = m_list->itemAt(viewportPosition);
    if (!item) {
        m_list->setToolTip({});
        return;
    }
    const qreal dpi = m_list->logicalDpiX();
    const int listTwips = Twips::fromPixels(m_list->width(), dpi);
    const int textTwips = Twips::fromPixels(m_list->fontMetrics().horizontalAdvance(item->text()), dpi);
    m_list->setToolTip(listTwips - kTipMarginTwips < textTwips ? item->text() : QString());
}
