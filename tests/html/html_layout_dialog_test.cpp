#include "common/product_links.h"
#include "config/configuration_loader.h"
#include "config/configuration_writes.h"
#include "html/html_layout_dialog.h"
#include "support/recording_platform.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QDateTime fixedNow()
{
    return QDateTime(QDate(2026, 12, 5), QTime(14, 5));
}

class HtmlLayoutDialogTest : public testing::Test
{
protected:
    std::unique_ptr<HtmlLayoutDialog> open(qint16 language = 0)
    {
        return std::make_unique<HtmlLayoutDialog>(m_settings, language, m_dir.path(), m_prompter, fixedNow);
    }
    template <typename T = QWidget>
    static T *child(QDialog &dialog, const char *name)
    {
        T *widget = dialog.findChild<T *>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static QString note(QDialog &d) { return child<QLabel>(d, "lblErrPrefixeTableauHTML")->text(); }
    static QColor noteColour(QDialog &d)
    {
        return child<QLabel>(d, "lblErrPrefixeTableauHTML")->palette().color(QPalette::WindowText);
    }

    QTemporaryDir m_dir;
    HtmlSettings m_settings;
    RecordingPrompter m_prompter;
};

} // namespace

TEST_F(HtmlLayoutDialogTest, PrefixLosesForbiddenCharactersWithTheRedWarning)
{
    struct Case
    {
        qint16 language;
        QStringList pieces;
        QString left;
        QString warning;
    };
    const Case cases[] = {
        {0, QStringList{u"a"_s, u"/"_s}, u"a"_s,
         u"Forbidden characters in file names: \\ / : * ? \" < > |"_s},
        {1, QStringList{u"x|y\\z:?*\"<>"_s}, u"xyz"_s,
         u"Un nom de fichier ne peut contenir l'un des caractères suivants: \\ / : * ? \" < > |"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.language);
        auto dialog = open(c.language);
        auto *prefix = child<QLineEdit>(*dialog, "txtPrefixeTableauHTML");
        prefix->clear();
        for (const QString &piece : c.pieces)
            prefix->insert(piece);
        EXPECT_EQ(prefix->text(), c.left);
        EXPECT_EQ(prefix->cursorPosition(), c.left.size());
        EXPECT_EQ(note(*dialog), c.warning);
        EXPECT_EQ(noteColour(*dialog), QColor(255, 0, 0));
        // Typing on with a clean character brings the example back.
        prefix->insert(u"b"_s);
        EXPECT_EQ(prefix->text(), c.left + u'b');
        EXPECT_EQ(noteColour(*dialog), QColor(128, 128, 128));
    }
}

TEST_F(HtmlLayoutDialogTest, ExampleFileNameFollowsTheDateBox)
{
    auto dialog = open(0);
    EXPECT_EQ(note(*dialog), u"Grid name example: Fichorama.html"_s);
    EXPECT_EQ(noteColour(*dialog), QColor(128, 128, 128));
    child<QCheckBox>(*dialog, "chkAjouterDate")->click();
    EXPECT_EQ(note(*dialog), u"Grid name example: Fichorama December 5, 2026 - 14 h 05.html"_s);

    m_settings.prefixeTableau.clear();
    auto empty = open(1);
    EXPECT_EQ(note(*empty), QString()) << "an empty prefix without date shows nothing at first";
    child<QCheckBox>(*empty, "chkAjouterDate")->click();
    EXPECT_EQ(note(*empty), u"Exemple de tableau généré:  5 décembre 2026 - 14 h 05.html"_s);
}

TEST_F(HtmlLayoutDialogTest, LongTextsAreSplitStoredAndShownWholeAgain)
{
    const QString iniPath = m_dir.filePath(u"Fichorama.ini"_s);
    struct Case
    {
        QString typed;
        int first;
        int rest;
    };
    const QString longText = QString(299, u'h') + u'!';
    const Case cases[] = {
        {QString(254, u'e'), 254, 0},
        {longText, 254, 46},
        {u"line one\nline two"_s, 17, 0},
        {QString(600, u'x'), 254, 254}, // the box takes 508 characters at most
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.size());
        auto dialog = open();
        child<QPlainTextEdit>(*dialog, "txtTexteEnTete")->clear();
        child<QPlainTextEdit>(*dialog, "txtTexteEnTete")->insertPlainText(c.typed);
        child<QPushButton>(*dialog, "cmdOK")->click();
        const HtmlSettings chosen = dialog->settings();
        EXPECT_EQ(chosen.texteEnTete.size(), c.first);
        EXPECT_EQ(chosen.texteEnTete2.size(), c.rest);
        IniFile configuration(iniPath);
        ASSERT_FALSE(writeHtmlSettings(configuration, chosen).has_value());

        m_settings = ChargerConfiguration(ConfigurationPaths(m_dir.path(), u"Fichorama"_s), {}).html;
        EXPECT_EQ(m_settings.texteEnTete, chosen.texteEnTete);
        EXPECT_EQ(m_settings.texteEnTete2, chosen.texteEnTete2);
        auto reopened = open();
        const QString shown = child<QPlainTextEdit>(*reopened, "txtTexteEnTete")->toPlainText();
        if (c.typed.size() <= HtmlLayoutDialog::kMaxTextLength)
            EXPECT_EQ(shown, QString(c.typed).replace(u'\n', u' '));
        else
            EXPECT_EQ(shown, c.typed.left(HtmlLayoutDialog::kMaxTextLength));
    }
}

TEST_F(HtmlLayoutDialogTest, ColourAndImagesStayChosenAfterCancel)
{
    auto dialog = open();
    std::optional<qint32> offered;
    dialog->setColourChooser([&](qint32 current) {
        offered = current;
        return std::optional<qint32>(0x336699);
    });
    QList<std::pair<int, QString>> browsed;
    dialog->setImageChooser([&](int target, const QString &start) {
        browsed.append({target, start});
        return std::optional<QString>(u"/pictures/%1.gif"_s.arg(target));
    });
    dialog->setDirectoryChooser([](const QString &) { return std::optional<QString>(u"/lists"_s); });
    child<QLineEdit>(*dialog, "txtImageFond")->setText(u"/old/fond.jpg"_s);

    child<QPushButton>(*dialog, "cmdCouleur")->click();
    for (const char *button :
         {"cmdParcourirEnTete", "cmdParcourirFond", "cmdParcourirDebutTableau", "cmdParcourirPied"})
        child<QPushButton>(*dialog, button)->click();
    child<QPushButton>(*dialog, "cmdParcourirListeTableaux")->click();
    child<QPushButton>(*dialog, "cmdAnnuler")->click();

    EXPECT_EQ(offered, 65535);
    EXPECT_EQ(m_settings.couleurTitre, 0x336699);
    ASSERT_EQ(browsed.size(), 4);
    EXPECT_EQ(browsed[1], std::make_pair(2, u"/old/fond.jpg"_s));
    EXPECT_EQ(m_settings.imageEnTete, u"/pictures/1.gif"_s);
    EXPECT_EQ(m_settings.imageFond, u"/pictures/2.gif"_s);
    EXPECT_EQ(m_settings.imageDebutTableau, u"/pictures/3.gif"_s);
    EXPECT_EQ(m_settings.imagePied, u"/pictures/4.gif"_s);
    EXPECT_EQ(child<QLineEdit>(*dialog, "txtImagePied")->text(), u"/pictures/4.gif"_s);
    EXPECT_EQ(child<QLineEdit>(*dialog, "txtListeTableaux")->text(), u"/lists"_s);
    EXPECT_TRUE(m_settings.pathListeTableaux.isEmpty()) << "the directory waits for OK";
}

TEST_F(HtmlLayoutDialogTest, HelpAndExampleTexts)
{
    auto dialog = open(1);
    child<QPushButton>(*dialog, "cmdAide")->click();
    ASSERT_EQ(m_prompter.boxes.size(), 1);
    EXPECT_EQ(m_prompter.boxes[0].kind, RecordingPrompter::Kind::Plain);
    const QStringList lines = m_prompter.boxes[0].text.split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[0], u"Petit résumé HTML:"_s);
    EXPECT_EQ(lines[9], QString());
    EXPECT_EQ(lines[15], u"%Version -> Version du système"_s);
    m_prompter.boxes.clear();

    auto *header = child<QPlainTextEdit>(*dialog, "txtTexteEnTete");
    auto *footer = child<QPlainTextEdit>(*dialog, "txtTextePied");
    Q_EMIT child<QLabel>(*dialog, "lblExempleEnTete")->linkActivated(u"#"_s);
    EXPECT_TRUE(m_prompter.boxes.isEmpty()) << "an empty text is filled without asking";
    EXPECT_EQ(header->toPlainText(), QStringLiteral("<center><h2>Fichorama des propri&eacute;t&eacute;s de "
                                                    "documents</h2><h3><i>%Date</i></h3></center>"));

    footer->setPlainText(u"mine"_s);
    m_prompter.yesNoAnswers = {false, true};
    Q_EMIT child<QLabel>(*dialog, "lblExemplePied")->linkActivated(u"#"_s);
    EXPECT_EQ(footer->toPlainText(), u"mine"_s);
    Q_EMIT child<QLabel>(*dialog, "lblExemplePied")->linkActivated(u"#"_s);
    ASSERT_EQ(m_prompter.boxes.size(), 2);
    EXPECT_EQ(m_prompter.boxes[0].text, u"Remplacer le texte existant par un texte d'exemple"_s);
    EXPECT_TRUE(footer->toPlainText().startsWith(u"<br><marquee style=\"color:#0000FF\"><i>Cr&eacute;"_s));
    // Without a product page the credit names the program without a link to nowhere.
    const QString credit = productPage(1).isEmpty()
                               ? u"Fichorama 1.1a"_s
                               : u"<a href=\"%1\">Fichorama 1.1a</a>"_s.arg(productPage(1));
    EXPECT_TRUE(footer->toPlainText().endsWith(
        u"<center><small>Page compos&eacute;e &agrave; l'aide de %1</small></center>"_s.arg(credit)));
}
