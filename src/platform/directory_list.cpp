#include "platform/directory_list.h"

#include "platform/child_path.h"
#include "platform/focus_frame.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyledItemDelegate>

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

QString cleanAbsolute(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

// The name an entry shows: the last component, or the whole path for a root ("/", "C:/").
QString entryName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

// `path` and its ancestors, root first. Each step drops one component, so the loop ends.
QStringList ancestry(const QString &path)
{
    QStringList chain{path};
    for (QString current = path; !QDir(current).isRoot();) {
        const QString parent = QFileInfo(current).path();
        if (parent.size() >= current.size())
            break;
        chain.prepend(parent);
        current = parent;
    }
    return chain;
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
    const QString cleaned = cleanAbsolute(path);
    if (!QFileInfo(cleaned).isDir())
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
    if (!m_path.isEmpty())
        fill();
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
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto add = [this](const QString &path, const QString &name, const QIcon &icon, int depth) {
        auto *item = new QListWidgetItem(icon, name, this);
        item->setData(pathRole, path);
        item->setData(depthRole, depth);
        return item;
    };
    QListWidgetItem *current = nullptr;
    for (int depth = 0; depth < chain.size(); ++depth)
        current = add(chain[depth], entryName(chain[depth]), openIcon, depth);
    const QStringList names =
        QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names)
        add(childPath(m_path, name), name, closedIcon, int(chain.size()));
    setCurrentItem(current);
}

void DirectoryList::openItem(QListWidgetItem *item)
{
    if (item)
        setPath(item->data(pathRole).toString());
}
