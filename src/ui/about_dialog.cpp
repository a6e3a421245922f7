#include "ui/about_dialog.h"

#include "common/product_links.h"
#include "platform/shell.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A label showing `address` as a link; a click hands the address to the desktop.
QLabel *linkLabel(const QString &name, const QString &address, Shell &shell)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
    label->setObjectName(name);
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(false);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    label->setWordWrap(true);
    QObject::connect(label, &QLabel::linkActivated, label,
                     [&shell](const QString &link) { shell.open(link); });
    return label;
}

} // namespace

AboutDialog::AboutDialog(qint16 language, Shell &shell, QWidget *parent)
    : QDialog(parent)
{
    const bool french = language == 1;
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(french ? QStringLiteral("A propos de...") : QStringLiteral("About..."));

    const QString firstLine = french ? QStringLiteral("Fichoramas HTML de documents Office")
                                     : QStringLiteral("HTML fichoramas for Office documents");
    // The second line is the same in both languages: the program and its version.
    auto *credit =
        new QLabel(firstLine + QLatin1Char('\n') + QStringLiteral("Fichorama " FICHORAMA_VERSION_TEXT));
    credit->setObjectName(QStringLiteral("lblCredit"));
    credit->setAlignment(Qt::AlignCenter);
    QFont bold = credit->font();
    bold.setBold(true);
    credit->setFont(bold);

    auto *credit2 = new QLabel(
        french
            ? QStringLiteral("Les propriétés de résumé sont lues d'après la description publique du format "
                             "des ensembles de propriétés OLE publiée par Microsoft [MS-OLEPS]. Merci !")
            : QStringLiteral("Summary properties are read after the public description of the OLE "
                             "property set format published by Microsoft [MS-OLEPS]. Thanks!"));
    credit2->setObjectName(QStringLiteral("lblCredit2"));
    credit2->setWordWrap(true);
    credit2->setAlignment(Qt::AlignCenter);

    auto *link2 = linkLabel(QStringLiteral("lblLink2"), kPropertySetFormatPage.toString(), shell);
    link2->setAlignment(Qt::AlignCenter);

    auto *ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(credit);
    layout->addSpacing(8);
    layout->addWidget(credit2);
    layout->addSpacing(8);
    // No product link while the program has no page of its own.
    if (const QString page = productPage(language).toString(); !page.isEmpty()) {
        auto *link = linkLabel(QStringLiteral("lblLink"), page, shell);
        link->setAlignment(Qt::AlignCenter);
        layout->addWidget(link);
    }
    layout->addWidget(link2);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(460);
}

void AboutDialog::showModal(QWidget *parent, qint16 language, Shell &shell)
{
    AboutDialog dialog(language, shell, parent);
    dialog.exec();
}
