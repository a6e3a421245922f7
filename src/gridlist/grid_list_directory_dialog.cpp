#include "gridlist/grid_list_directory_dialog.h"

#include "platform/directory_list.h"
#include "platform/drive_list.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

GridListDirectoryDialog::GridListDirectoryDialog(const QString &current, const QString &settingsDirectory,
                                                 qint16 language, QWidget *parent)
    : QDialog(parent)
{
    const bool french = language == 1;
    setObjectName(QStringLiteral("frmPathListeTableaux"));
    setWindowTitle(french ? QStringLiteral("Listes de tableaux dans le répertoire suivant")
                          : QStringLiteral("Grids lists files in the following directory"));

    m_drives = new DriveList;
    m_drives->setObjectName(QStringLiteral("Lecteurs"));
    m_directories = new DirectoryList;
    m_directories->setObjectName(QStringLiteral("Chemins"));
    m_shown = new QLabel;
    m_shown->setObjectName(QStringLiteral("lblDossier"));
    m_shown->setWordWrap(true);
    m_shown->setFrameShape(QFrame::StyledPanel);
    m_shown->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(french ? QStringLiteral("&Annuler") : QStringLiteral("&Cancel"));
    cancel->setObjectName(QStringLiteral("cmdAnnuler"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    connect(m_directories, &DirectoryList::pathChanged, m_shown, &QLabel::setText);
    connect(m_drives, &DriveList::driveChanged, this, [this](const QString &directory) {
        // A drive that cannot be entered: the drive list goes back to the shown directory's drive.
        if (!m_directories->setPath(directory))
            m_drives->setDriveForPath(m_directories->path());
    });

    if (current.isEmpty() || !m_directories->setPath(current)) {
        if (!m_directories->setPath(settingsDirectory))
            m_directories->setPath(QDir::homePath());
    }
    m_drives->setDriveForPath(m_directories->path());

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_drives);
    layout->addWidget(m_directories, 1);
    layout->addWidget(m_shown);
    layout->addLayout(buttons);
    resize(420, 380);
}

QString GridListDirectoryDialog::shownDirectory() const
{
    return m_shown->text();
}

std::optional<QString> GridListDirectoryDialog::ask(QWidget *parent, const QString &current,
                                                    const QString &settingsDirectory, qint16 language)
{
    GridListDirectoryDialog dialog(current, settingsDirectory, language, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.shownDirectory();
}
