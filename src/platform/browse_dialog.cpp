#include "platform/browse_dialog.h"

#include "platform/directory_list.h"
#include "platform/drive_list.h"
#include "platform/image_files.h"
#include "platform/twips.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct BrowseTexts
{
    QString caption;
    QString unknownImage;
    QString instruction;
    QString cancel;
};

BrowseTexts browseTexts(int target, bool french)
{
    QString caption;
    switch (target) {
    case BrowseDialog::HeaderImage:
        caption = french ? QStringLiteral("Image d'en-tête générale") : QStringLiteral("Main header image");
        break;
    case BrowseDialog::BackgroundImage:
        caption = french ? QStringLiteral("Fond de page") : QStringLiteral("Background image");
        break;
    case BrowseDialog::TableImage:
        caption = french ? QStringLiteral("Image affichée en tête de chaque tableau")
                         : QStringLiteral("Header image for each grid");
        break;
    default:
        caption = french ? QStringLiteral("Image de pied") : QStringLiteral("Main footer image");
        break;
    }
    if (french) {
        return {caption, QStringLiteral("Image inconnue"),
                QStringLiteral("Sélectionner un fichier image: gif, jpg, jpeg"), QStringLiteral("&Annuler")};
    }
    return {caption, QStringLiteral("Unknown image"), QStringLiteral("Select an image file: gif, jpg, jpeg"),
            QStringLiteral("&Cancel")};
}

QString joinPath(const QString &directory, const QString &name)
{
    return directory.endsWith(QLatin1Char('/')) ? directory + name : directory + QLatin1Char('/') + name;
}

} // namespace

BrowseDialog::BrowseDialog(int target, const QString &startPath, qint16 language, QWidget *parent)
    : QDialog(parent)
{
    const BrowseTexts texts = browseTexts(target, language == 1);
    setObjectName(QStringLiteral("frmParcourir"));
    setWindowTitle(texts.caption);
    const qreal dpi = logicalDpiX();
    auto twips = [dpi](int value) { return Twips::toPixels(value, dpi); };

    m_drives = new DriveList;
    m_drives->setObjectName(QStringLiteral("Lecteurs"));
    m_directories = new DirectoryList;
    m_directories->setObjectName(QStringLiteral("Chemins"));

    // The preview box: the picture and the notice sit on the frame label, at its top-left corner.
    m_box = new QLabel;
    m_box->setObjectName(QStringLiteral("lblFondImage"));
    m_box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_box->setFixedSize(twips(kPreviewTwips), twips(kPreviewTwips));
    m_image = new QLabel(m_box);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setScaledContents(true);
    m_image->hide();
    m_error = new QLabel(texts.unknownImage, m_box);
    m_error->setObjectName(QStringLiteral("lblErreurImage"));
    m_error->setAlignment(Qt::AlignCenter);
    m_error->setGeometry(twips(240), twips(960), twips(1965),
                         std::max(twips(300), m_error->sizeHint().height()));
    m_error->hide();

    auto *instruction = new QLabel(texts.instruction);
    instruction->setObjectName(QStringLiteral("lblImage"));
    m_files = new QListWidget;
    m_files->setObjectName(QStringLiteral("File1"));
    m_files->setSelectionMode(QAbstractItemView::SingleSelection);

    auto *ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(texts.cancel);
    cancel->setObjectName(QStringLiteral("cmdAnnuler"));

    connect(m_directories, &DirectoryList::pathChanged, this, &BrowseDialog::fillFiles);
    connect(m_drives, &DriveList::driveChanged, this, [this](const QString &directory) {
        if (!m_directories->setPath(directory))
            m_drives->setDriveForPath(m_directories->path());
    });
    connect(m_files, &QListWidget::currentRowChanged, this, &BrowseDialog::showPreview);
    connect(m_files, &QListWidget::itemDoubleClicked, this, &BrowseDialog::cmdOK_Click);
    connect(ok, &QPushButton::clicked, this, &BrowseDialog::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *lists = new QVBoxLayout;
    lists->addWidget(m_drives);
    lists->addWidget(m_directories, 1);
    auto *top = new QHBoxLayout;
    top->addLayout(lists, 1);
    top->addWidget(m_box, 0, Qt::AlignTop);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addSpacing(twips(1305));
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(twips(120));
    layout->addWidget(instruction);
    layout->addWidget(m_files, 1);
    layout->addLayout(buttons);
    resize(twips(5730), twips(5790));

    m_directories->setPath(QDir::currentPath());
    m_drives->setDriveForPath(m_directories->path());
    openStartPath(startPath);
}

void BrowseDialog::openStartPath(const QString &startPath)
{
    if (startPath.isEmpty())
        return;
    m_error->setVisible(!QFileInfo(startPath).isFile());
    const qsizetype slash = startPath.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return;
    const QString directory = slash == 0 ? QStringLiteral("/") : startPath.left(slash);
    const QString name = startPath.mid(slash + 1);
    // A directory that cannot be reached leaves the lists where they are.
    if (!m_directories->setPath(directory))
        return;
    m_drives->setDriveForPath(m_directories->path());
    for (int row = 0; row < m_files->count(); ++row) {
        if (m_files->item(row)->text() == name) {
            m_files->setCurrentRow(row);
            return;
        }
    }
}

void BrowseDialog::fillFiles(const QString &directory)
{
    m_files->clear();
    m_files->addItems(listImageFiles(directory));
}

QString BrowseDialog::selectedPath() const
{
    const QListWidgetItem *item = m_files->currentItem();
    if (!item || !item->isSelected())
        return {};
    return joinPath(m_directories->path(), item->text());
}

void BrowseDialog::showPreview(int row)
{
    if (row < 0)
        return;
    m_error->hide();
    m_image->hide();
    const int box = m_box->width();
    QImageReader reader(joinPath(m_directories->path(), m_files->item(row)->text()));
    const QSize natural = reader.size();
    // Decoding straight to the shown size keeps a huge picture from filling the memory.
    if (natural.isValid() && fitPreview(natural, box) != natural)
        reader.setScaledSize(fitPreview(natural, box));
    const QImage image = reader.read();
    if (image.isNull()) {
        m_error->show();
        return;
    }
    const QSize shown = fitPreview(natural.isValid() ? natural : image.size(), box);
    m_image->setPixmap(QPixmap::fromImage(image));
    m_image->setGeometry(QRect(QPoint(0, 0), shown));
    m_image->show();
    m_error->raise();
}

void BrowseDialog::cmdOK_Click()
{
    const QString path = selectedPath();
    if (!path.isEmpty() && isNonEmptyFile(path))
        m_chosen = path;
    accept();
}

std::optional<QString> BrowseDialog::ask(QWidget *parent, int target, const QString &startPath,
                                         qint16 language)
{
    BrowseDialog dialog(target, startPath, language, parent);
    dialog.exec();
    return dialog.chosenPath();
}
