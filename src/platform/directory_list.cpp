#include "platform/directory_list.h"

#include "platform/child_path.h"
#include "platform/directory_reader.h"
#include "platform/focus_frame.h"
#include "platform/native_files.h"
#include "platform/native_name.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int depthRole = Qt::UserRole + 1;
constexpr int indentPixels = 12;

// Indents each entry by its depth, so the ancestors read as a staircase down to the sub-directories.
class IndentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() + index.data(depthRole).toInt() * indentPixels);
        QStyledItemDelegate::paint(painter, indented, index);
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        return {size.width() + index.data(depthRole).toInt() * indentPixels, size.height()};
    }
};

// The name an entry shows: the last component, or the whole path for the root "/".
QString entryName(const QString &path)
{
    const QString name = fileNameOf(path);
    return displayName(name.isEmpty() ? path : name);
}

// A clean absolute `path` and its ancestors, root first. Each step drops one component, so the loop ends.
QStringList ancestry(const QString &path)
{
    QStringList chain{path};
    for (QString current = path; current.size() > 1;) {
        const qsizetype slash = current.lastIndexOf(QLatin1Char('/'));
        if (slash < 0)
            break;
        current = slash == 0 ? QStringLiteral("/") : current.left(slash);
        chain.prepend(current);
    }
    return chain;
}

// The names of the visible sub-directories of `path` (links to directories included), in the reader's
// order. Read with our own reader, which keeps names that are not UTF-8.
QStringList subDirectoryNames(const QString &path)
{
    QStringList names;
    DirectoryReader reader(path);
    DirectoryEntry entry;
    while (reader.next(entry)) {
        if (entry.isDirectory && !entry.isHidden)
            names << entry.name;
    }
    return names;
}

} // namespace

DirectoryList::DirectoryList(QWidget *parent)
    : QListWidget(parent)
{
    setItemDelegate(new IndentDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this, &DirectoryList::openItem);
}

bool DirectoryList::setPath(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString cleaned = cleanAbsolutePath(path);
    if (!fileStatus(cleaned).isDirectory)
        return false;
    if (cleaned == m_path)
        return true;
    m_path = cleaned;
    fill();
    Q_EMIT pathChanged(m_path);
    return true;
}

void DirectoryList::refresh()
{
    if (m_path.isEmpty())
        return;
    fill();
    if (!m_readsSubDirectories)
        addSubDirectories(subDirectoryNames(m_path));
}

void DirectoryList::showSubDirectories(const QString &path, QStringList names)
{
    if (path != m_path)
        return;
    // Drop what an earlier call showed: everything below the current directory.
    const QString highlighted = this->highlighted();
    for (int row = count() - 1; row >= 0 && item(row)->data(pathRole).toString() != m_path; --row)
        delete takeItem(row);
    addSubDirectories(std::move(names));
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(pathRole).toString() == highlighted)
            setCurrentItem(item(row));
    }
}

QString DirectoryList::highlighted() const
{
    const QListWidgetItem *item = currentItem();
    return item ? item->data(pathRole).toString() : m_path;
}

void DirectoryList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openItem(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

bool DirectoryList::event(QEvent *event)
{
    const bool handled = QListWidget::event(event);
    if (event->type() == QEvent::Paint && hasFocus())
        paintFocusFrame(this);
    return handled;
}

void DirectoryList::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    update();
}

void DirectoryList::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    update();
}

void DirectoryList::fill()
{
    clear();
    const QStringList chain = ancestry(m_path);
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    auto add = [this](const QString &path, const QString &name, const QIcon &icon, int depth) {
        auto *item = new QListWidgetItem(icon, name, this);
        item->setData(pathRole, path);
        item->setData(depthRole, depth);
        return item;
    };
    QListWidgetItem *current = nullptr;
    for (int depth = 0; depth < chain.size(); ++depth)
        current = add(chain[depth], entryName(chain[depth]), openIcon, depth);
    setCurrentItem(current);
    if (m_readsSubDirectories)
        addSubDirectories(subDirectoryNames(m_path));
}

void DirectoryList::addSubDirectories(QStringList names)
{
    // By name without regard to case, then by case, so that the order does not depend on the reader.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const int depth = int(ancestry(m_path).size());
    for (const QString &name : std::as_const(names)) {
        auto *item = new QListWidgetItem(closedIcon, displayName(name), this);
        item->setData(pathRole, childPath(m_path, name));
        item->setData(depthRole, depth);
    }
}

void DirectoryList::openItem(QListWidgetItem *item)
{
    if (item)
        setPath(item->data(pathRole).toString());
}
