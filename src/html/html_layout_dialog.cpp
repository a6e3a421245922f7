#include "html/html_layout_dialog.h"

#include "common/product_links.h"
#include "config/configuration_writes.h"
#include "gridlist/grid_list_directory_dialog.h"
#include "platform/browse_dialog.h"
#include "platform/file_name_characters.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct LayoutTexts
{
    QString title;
    QString lblPrefixeTableauHTML;
    QString chkAjouterDate;
    QString chkEffacerAnciensTableaux;
    QString chkImagesSuivent;
    QString lblListeTableaux;
    QString browse;
    QString frameEnTete;
    QString image;
    QString chkIndexListes;
    QString text;
    QString example;
    QString chkRenvoiALaLigne;
    QString cmdCouleur;
    QString lblImageFond;
    QString lblImageEnTete;
    QString framePied;
    QString chkTotalDocuments;
    QString cmdAide;
    QString cmdAnnuler;
    QString examplePrefix; // before the example file name
    QString prefixError;
    QString replaceQuestion;
    QStringList help; // joined by CR LF
    QString headerExample;
    QString footerExample;     // the link's address and the program's name follow
    QString footerCreditStart; // the link to the product page, or the program's name alone, follows
};

LayoutTexts layoutTexts(bool french)
{
    if (french) {
        return {
            QStringLiteral("Mise en page HTML"),
            QStringLiteral("Noms des tableaux HTML"),
            QStringLiteral("Ajouter date et heure"),
            QStringLiteral("Effacer les anciens tableaux HTML"),
            QStringLiteral("Les images \"suivent\" les tableaux"),
            QStringLiteral("Listes de tableaux dans"),
            QStringLiteral("Parcourir"),
            QStringLiteral("En-tête générale"),
            QStringLiteral("Image"),
            QStringLiteral("Ajouter un index (pour les listes de tableaux seulement)"),
            QStringLiteral("Texte"),
            QStringLiteral("Exemple"),
            QStringLiteral("Renvoi à la ligne dans les cellules"),
            QStringLiteral("Couleur de fond du titre"),
            QStringLiteral("Image fond de page"),
            QStringLiteral("Image en-tête de tableau"),
            QStringLiteral("Pied de page général"),
            QStringLiteral("Afficher le nombre total de documents (listes de tableaux seulement)"),
            QStringLiteral("Aide"),
            QStringLiteral("&Annuler"),
            QStringLiteral("Exemple de tableau généré: "),
            QStringLiteral(
                "Un nom de fichier ne peut contenir l'un des caractères suivants: \\ / : * ? \" < > |"),
            QStringLiteral("Remplacer le texte existant par un texte d'exemple"),
            {QStringLiteral("Petit résumé HTML:"), QStringLiteral("<h1>En-tête de niveau 1</h1>"),
             QStringLiteral("..."), QStringLiteral("<h6>En-tête de niveau 6</h6>"),
             QStringLiteral("<b>gras</b>"), QStringLiteral("<i>italique</i>"),
             QStringLiteral("<u>souligné</u>"), QStringLiteral("<br> -> Retour à la ligne"),
             QStringLiteral("<hr> -> Ligne horizontale"), QString(), QStringLiteral("Variables:"),
             QStringLiteral("%Date -> Date du jour"), QStringLiteral("%Time -> Heure"),
             QStringLiteral("%User -> Nom de l'utilisateur"),
             QStringLiteral("%Computer -> Nom de l'ordinateur"),
             QStringLiteral("%Version -> Version du système")},
            QStringLiteral("<center><h2>Fichorama des propri&eacute;t&eacute;s de documents</h2>"
                           "<h3><i>%Date</i></h3></center>"),
            QStringLiteral("<br><marquee style=\"color:#0000FF\"><i>Cr&eacute;&eacute; &agrave; <b>%Time</b> "
                           "par </i><b>%User</b><i> sur le poste </i><b>%Computer</b><i> avec </i>"
                           "<b>%Version</b></marquee><br><center><h3>Fin du fichorama</center></h3>"),
            QStringLiteral("<center><small>Page compos&eacute;e &agrave; l'aide de "),
        };
    }
    return {
        QStringLiteral("HTML layout"),
        QStringLiteral("Names of the HTML grids files"),
        QStringLiteral("Add date and time"),
        QStringLiteral("Remove old HTML files"),
        QStringLiteral("Images \"follow\" HTML files"),
        QStringLiteral("Grids lists files in"),
        QStringLiteral("Browse"),
        QStringLiteral("Main header"),
        QStringLiteral("Image"),
        QStringLiteral("Add index (for lists of grids only)"),
        QStringLiteral("Text"),
        QStringLiteral("Example"),
        QStringLiteral("Wrap text in cells"),
        QStringLiteral("Title background color"),
        QStringLiteral("Background image"),
        QStringLiteral("Header image"),
        QStringLiteral("Main footer"),
        QStringLiteral("Display total documents count (for lists of grids only)"),
        QStringLiteral("Help"),
        QStringLiteral("&Cancel"),
        QStringLiteral("Grid name example: "),
        QStringLiteral("Forbidden characters in file names: \\ / : * ? \" < > |"),
        QStringLiteral("Replace actual text by an example text"),
        {QStringLiteral("HTML Little Summary:"), QStringLiteral("<h1>Level 1 headings</h1>"),
         QStringLiteral("..."), QStringLiteral("<h6>Level 6 headings</h6>"), QStringLiteral("<b>bold</b>"),
         QStringLiteral("<i>italics</i>"), QStringLiteral("<u>underlined</u>"),
         QStringLiteral("<br> -> Line break"), QStringLiteral("<hr> -> Horizontal rule"), QString(),
         QStringLiteral("Variables:"), QStringLiteral("%Date -> Date"), QStringLiteral("%Time -> Hour"),
         QStringLiteral("%User -> User name"), QStringLiteral("%Computer -> Computer name"),
         QStringLiteral("%Version -> System version")},
        QStringLiteral("<center><h2>Documents properties fichorama</h2><h3><i>%Date</i></h3></center>"),
        QStringLiteral("<br><marquee style=\"color:#0000FF\"><i>Created at <b>%Time</b> by </i><b>%User</b>"
                       "<i> on </i><b>%Computer</b><i> running </i><b>%Version</b></marquee>"
                       "<br><center><h3>End of Fichorama</center></h3>"),
        QStringLiteral("<center><small>Page composed by "),
    };
}

QColor colourOf(qint32 stored)
{
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

qint32 storedColour(const QColor &colour)
{
    return qint32(colour.red()) | qint32(colour.green()) << 8 | qint32(colour.blue()) << 16;
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// The text as the configuration file keeps it: one line, each line break a blank.
QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u' ';
    }
    return text;
}

// A label that shows its caption as a link and reports clicks on it.
QLabel *clickableLabel(const QString &name, const QString &caption)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(caption.toHtmlEscaped()));
    label->setObjectName(name);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

template <typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

HtmlLayoutDialog::HtmlLayoutDialog(HtmlSettings &inMemory, qint16 language, const QString &settingsDirectory,
                                   Prompter &prompter, Clock clock, QWidget *parent)
    : QDialog(parent)
    , m_inMemory(inMemory)
    , m_language(language)
    , m_settingsDirectory(settingsDirectory)
    , m_prompter(prompter)
    , m_clock(std::move(clock))
{
    m_chooseColour = [this](qint32 current) -> std::optional<qint32> {
        const QColor chosen = QColorDialog::getColor(colourOf(current), this, m_colour->text());
        if (!chosen.isValid())
            return std::nullopt;
        return storedColour(chosen);
    };
    m_chooseImage = [this](int target, const QString &startPath) {
        return BrowseDialog::ask(this, target, startPath, m_language);
    };
    m_chooseDirectory = [this](const QString &current) {
        return GridListDirectoryDialog::ask(this, current, m_settingsDirectory, m_language);
    };
    buildControls();
    fill();
}

void HtmlLayoutDialog::buildControls()
{
    const LayoutTexts t = layoutTexts(m_language == 1);
    setObjectName(QStringLiteral("frmOptionsHTML"));
    setWindowTitle(t.title);
    auto browseButton = [&](const char *name) { return named(new QPushButton(t.browse), name); };

    m_prefix = named(new QLineEdit, "txtPrefixeTableauHTML");
    m_prefixNote = named(new QLabel, "lblErrPrefixeTableauHTML");
    m_prefixNote->setWordWrap(true);
    m_prefixNote->setMinimumHeight(2 * m_prefixNote->fontMetrics().lineSpacing());
    m_prefixNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_addDate = named(new QCheckBox(t.chkAjouterDate), "chkAjouterDate");
    m_removeOld = named(new QCheckBox(t.chkEffacerAnciensTableaux), "chkEffacerAnciensTableaux");
    m_imagesFollow = named(new QCheckBox(t.chkImagesSuivent), "chkImagesSuivent");
    m_gridListDirectory = named(new QLineEdit, "txtListeTableaux");
    auto *browseList = browseButton("cmdParcourirListeTableaux");

    m_wrap = named(new QCheckBox(t.chkRenvoiALaLigne), "chkRenvoiALaLigne");
    m_colour = named(new QPushButton(t.cmdCouleur), "cmdCouleur");
    m_backgroundImage = named(new QLineEdit, "txtImageFond");
    auto *browseBackground = browseButton("cmdParcourirFond");
    m_tableImage = named(new QLineEdit, "txtImageDebutTableau");
    auto *browseTable = browseButton("cmdParcourirDebutTableau");

    auto *general = new QGridLayout;
    general->addWidget(named(new QLabel(t.lblPrefixeTableauHTML), "lblPrefixeTableauHTML"), 0, 0);
    general->addWidget(m_prefix, 0, 1, 1, 2);
    general->addWidget(m_prefixNote, 1, 0, 1, 3);
    general->addWidget(m_addDate, 2, 0, 1, 3);
    general->addWidget(m_removeOld, 3, 0, 1, 3);
    general->addWidget(m_imagesFollow, 4, 0, 1, 3);
    general->addWidget(named(new QLabel(t.lblListeTableaux), "lblListeTableaux"), 5, 0);
    general->addWidget(m_gridListDirectory, 5, 1);
    general->addWidget(browseList, 5, 2);
    general->setRowMinimumHeight(6, 12);
    general->addWidget(m_wrap, 7, 0, 1, 3);
    general->addWidget(m_colour, 8, 0, 1, 2, Qt::AlignLeft);
    general->setRowMinimumHeight(9, 12);
    general->addWidget(named(new QLabel(t.lblImageFond), "lblImageFond"), 10, 0);
    general->addWidget(m_backgroundImage, 10, 1);
    general->addWidget(browseBackground, 10, 2);
    general->addWidget(named(new QLabel(t.lblImageEnTete), "lblImageEnTete"), 11, 0);
    general->addWidget(m_tableImage, 11, 1);
    general->addWidget(browseTable, 11, 2);
    general->setRowStretch(12, 1);
    // Paths are long: give their fields room to show most of one.
    for (QLineEdit *field : {m_gridListDirectory, m_backgroundImage, m_tableImage})
        field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 30);
    general->setColumnStretch(1, 1);

    // The page header frame.
    auto *headerFrame = named(new QGroupBox(t.frameEnTete), "frameEnTete");
    m_headerImage = named(new QLineEdit, "txtImageEntete");
    auto *browseHeader = browseButton("cmdParcourirEnTete");
    m_index = named(new QCheckBox(t.chkIndexListes), "chkIndexListes");
    m_headerText = named(new QPlainTextEdit, "txtTexteEnTete");
    auto *headerExample = clickableLabel(QStringLiteral("lblExempleEnTete"), t.example);
    auto *header = new QGridLayout(headerFrame);
    header->addWidget(named(new QLabel(t.image), "lblImageEnTeteGeneral"), 0, 0);
    header->addWidget(m_headerImage, 0, 1);
    header->addWidget(browseHeader, 0, 2);
    header->addWidget(m_index, 1, 0, 1, 3);
    header->addWidget(named(new QLabel(t.text), "lblTexteEnTete"), 2, 0, Qt::AlignTop);
    header->addWidget(headerExample, 3, 0, Qt::AlignTop);
    header->addWidget(m_headerText, 2, 1, 3, 2);
    header->setColumnStretch(1, 1);

    // The page footer frame.
    auto *footerFrame = named(new QGroupBox(t.framePied), "framePied");
    m_total = named(new QCheckBox(t.chkTotalDocuments), "chkTotalDocuments");
    m_footerText = named(new QPlainTextEdit, "txtTextePied");
    auto *footerExample = clickableLabel(QStringLiteral("lblExemplePied"), t.example);
    m_footerImage = named(new QLineEdit, "txtImagePied");
    auto *browseFooter = browseButton("cmdParcourirPied");
    auto *footer = new QGridLayout(footerFrame);
    footer->addWidget(m_total, 0, 0, 1, 3);
    footer->addWidget(named(new QLabel(t.text), "lblTextePied"), 1, 0, Qt::AlignTop);
    footer->addWidget(footerExample, 2, 0, Qt::AlignTop);
    footer->addWidget(m_footerText, 1, 1, 3, 2);
    footer->addWidget(named(new QLabel(t.image), "lblImagePied"), 4, 0);
    footer->addWidget(m_footerImage, 4, 1);
    footer->addWidget(browseFooter, 4, 2);
    footer->setColumnStretch(1, 1);

    for (QPlainTextEdit *edit : {m_headerText, m_footerText}) {
        edit->setTabChangesFocus(true);
        edit->setMinimumHeight(5 * edit->fontMetrics().lineSpacing());
    }

    auto *help = named(new QPushButton(t.cmdAide), "cmdAide");
    auto *ok = named(new QPushButton(QStringLiteral("&OK")), "cmdOK");
    ok->setDefault(true);
    auto *cancel = named(new QPushButton(t.cmdAnnuler), "cmdAnnuler");

    auto *frames = new QVBoxLayout;
    frames->addWidget(headerFrame);
    frames->addWidget(footerFrame);
    auto *columns = new QHBoxLayout;
    columns->addLayout(general, 1);
    columns->addSpacing(12);
    columns->addLayout(frames, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(m_prefix, &QLineEdit::textChanged, this, &HtmlLayoutDialog::txtPrefixeTableauHTML_Change);
    connect(m_addDate, &QCheckBox::toggled, this, &HtmlLayoutDialog::showExample);
    connect(m_colour, &QPushButton::clicked, this, &HtmlLayoutDialog::cmdCouleur_Click);
    connect(browseHeader, &QPushButton::clicked, this, [this] { browseImage(BrowseDialog::HeaderImage); });
    connect(browseBackground, &QPushButton::clicked, this,
            [this] { browseImage(BrowseDialog::BackgroundImage); });
    connect(browseTable, &QPushButton::clicked, this, [this] { browseImage(BrowseDialog::TableImage); });
    connect(browseFooter, &QPushButton::clicked, this, [this] { browseImage(BrowseDialog::FooterImage); });
    connect(browseList, &QPushButton::clicked, this, &HtmlLayoutDialog::cmdParcourirListeTableaux_Click);
    connect(help, &QPushButton::clicked, this, &HtmlLayoutDialog::cmdAide_Click);
    connect(headerExample, &QLabel::linkActivated, this,
            [this, t] { showExampleText(m_headerText, t.headerExample); });
    const QString programName = QStringLiteral("Fichorama " FICHORAMA_VERSION_TEXT);
    const QString page = productPage(m_language).toString();
    const QString credit =
        page.isEmpty() ? programName : QStringLiteral("<a href=\"%1\">%2</a>").arg(page, programName);
    const QString footerText =
        t.footerExample + t.footerCreditStart + credit + QStringLiteral("</small></center>");
    connect(footerExample, &QLabel::linkActivated, this,
            [this, footerText] { showExampleText(m_footerText, footerText); });
    connect(m_headerText, &QPlainTextEdit::textChanged, this,
            [this] { limitLength(m_headerText, m_previousHeader); });
    connect(m_footerText, &QPlainTextEdit::textChanged, this,
            [this] { limitLength(m_footerText, m_previousFooter); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void HtmlLayoutDialog::fill()
{
    const HtmlSettings &s = m_inMemory;
    m_prefix->setText(s.prefixeTableau);
    m_addDate->setChecked(s.ajouterDate);
    m_removeOld->setChecked(s.effacerAnciensTableaux);
    m_imagesFollow->setChecked(s.imagesSuivent);
    m_gridListDirectory->setText(s.pathListeTableaux);
    m_index->setChecked(s.indexListes);
    m_headerText->setPlainText(s.headerText());
    m_headerImage->setText(s.imageEnTete);
    m_wrap->setChecked(s.renvoiALaLigne);
    m_backgroundImage->setText(s.imageFond);
    m_tableImage->setText(s.imageDebutTableau);
    m_total->setChecked(s.totalDocuments);
    m_footerText->setPlainText(s.footerText());
    m_footerImage->setText(s.imagePied);
    showColour();
}

void HtmlLayoutDialog::txtPrefixeTableauHTML_Change()
{
    const CleanedFileName cleaned = removeForbiddenCharacters(m_prefix->text());
    if (!cleaned.hadForbidden) {
        showExample();
        return;
    }
    {
        const QSignalBlocker blocker(m_prefix);
        m_prefix->setText(cleaned.text);
    }
    m_prefix->setCursorPosition(int(cleaned.text.size()));
    m_prefixNote->setText(layoutTexts(m_language == 1).prefixError);
    setTextColour(m_prefixNote, QColor(255, 0, 0));
}

void HtmlLayoutDialog::showExample()
{
    HtmlSettings example;
    example.prefixeTableau = m_prefix->text();
    example.ajouterDate = m_addDate->isChecked();
    const QString name = pageBaseName(example, makePageStamp(m_clock, m_language));
    m_prefixNote->setText(layoutTexts(m_language == 1).examplePrefix + name + QStringLiteral(".html"));
    setTextColour(m_prefixNote, QColor(128, 128, 128));
}

void HtmlLayoutDialog::cmdCouleur_Click()
{
    if (const auto chosen = m_chooseColour(m_inMemory.couleurTitre)) {
        m_inMemory.couleurTitre = *chosen;
        showColour();
    }
}

void HtmlLayoutDialog::showColour()
{
    QPixmap swatch(16, 16);
    swatch.fill(colourOf(m_inMemory.couleurTitre));
    QPainter(&swatch).drawRect(0, 0, 15, 15);
    m_colour->setIcon(QIcon(swatch));
}

QLineEdit *HtmlLayoutDialog::imageField(int target) const
{
    switch (target) {
    case BrowseDialog::HeaderImage:
        return m_headerImage;
    case BrowseDialog::BackgroundImage:
        return m_backgroundImage;
    case BrowseDialog::TableImage:
        return m_tableImage;
    default:
        return m_footerImage;
    }
}

void HtmlLayoutDialog::browseImage(int target)
{
    QLineEdit *field = imageField(target);
    const std::optional<QString> chosen = m_chooseImage(target, field->text());
    if (!chosen)
        return;
    switch (target) {
    case BrowseDialog::HeaderImage:
        m_inMemory.imageEnTete = *chosen;
        break;
    case BrowseDialog::BackgroundImage:
        m_inMemory.imageFond = *chosen;
        break;
    case BrowseDialog::TableImage:
        m_inMemory.imageDebutTableau = *chosen;
        break;
    default:
        m_inMemory.imagePied = *chosen;
        break;
    }
    field->setText(*chosen);
}

void HtmlLayoutDialog::cmdParcourirListeTableaux_Click()
{
    if (const auto chosen = m_chooseDirectory(m_gridListDirectory->text()))
        m_gridListDirectory->setText(*chosen);
}

void HtmlLayoutDialog::cmdAide_Click()
{
    m_prompter.showPlain(layoutTexts(m_language == 1).help.join(QStringLiteral("\r\n")));
}

void HtmlLayoutDialog::showExampleText(QPlainTextEdit *edit, const QString &example)
{
    if (!edit->toPlainText().isEmpty() && !m_prompter.askYesNo(layoutTexts(m_language == 1).replaceQuestion))
        return;
    edit->setPlainText(example);
}

void HtmlLayoutDialog::limitLength(QPlainTextEdit *edit, QString &previous)
{
    const QString text = edit->toPlainText();
    if (text.size() <= kMaxTextLength) {
        previous = text;
        return;
    }
    // Keep what was there and as much of the inserted text as fits, as a line edit's length limit does:
    // the unchanged head and tail frame the inserted part.
    const qsizetype common = std::min(previous.size(), text.size());
    qsizetype head = 0;
    while (head < common && previous.at(head) == text.at(head))
        ++head;
    qsizetype tail = 0;
    while (head + tail < common && previous.at(previous.size() - 1 - tail) == text.at(text.size() - 1 - tail))
        ++tail;
    qsizetype room = std::max<qsizetype>(0, kMaxTextLength - head - tail);
    if (room > 0 && text.at(head + room - 1).isHighSurrogate())
        --room; // never half a character
    previous = text.left(head + room) + text.right(tail);
    const QSignalBlocker blocker(edit);
    edit->setPlainText(previous);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(int(head + room));
    edit->setTextCursor(cursor);
}

HtmlSettings HtmlLayoutDialog::settings() const
{
    HtmlSettings s = m_inMemory;
    s.prefixeTableau = m_prefix->text();
    s.ajouterDate = m_addDate->isChecked();
    s.effacerAnciensTableaux = m_removeOld->isChecked();
    s.imagesSuivent = m_imagesFollow->isChecked();
    s.pathListeTableaux = m_gridListDirectory->text();
    s.indexListes = m_index->isChecked();
    const SplitText header = splitStoredText(oneLine(m_headerText->toPlainText()));
    s.texteEnTete = header.first;
    s.texteEnTete2 = header.rest;
    s.imageEnTete = m_headerImage->text();
    s.renvoiALaLigne = m_wrap->isChecked();
    s.imageFond = m_backgroundImage->text();
    s.imageDebutTableau = m_tableImage->text();
    s.totalDocuments = m_total->isChecked();
    const SplitText footer = splitStoredText(oneLine(m_footerText->toPlainText()));
    s.textePied = footer.first;
    s.textePied2 = footer.rest;
    s.imagePied = m_footerImage->text();
    return s;
}

std::optional<HtmlSettings> HtmlLayoutDialog::ask(QWidget *parent, HtmlSettings &inMemory, qint16 language,
                                                  const QString &settingsDirectory, Prompter &prompter)
{
    HtmlLayoutDialog dialog(inMemory, language, settingsDirectory, prompter, systemClock, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.settings();
}
