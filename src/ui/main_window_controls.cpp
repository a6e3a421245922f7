#include "ui/main_window_controls.h"

#include "common/language_texts.h"
#include "platform/directory_list.h"
#include "platform/drive_list.h"
#include "platform/twips.h"
#include "ui/grid_view.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>

namespace {

// The room given to the grid list (a list the design places no control for) under the grid-list
// buttons: the two frames, the directory list and the grid move down or grow by this much.
constexpr int kListRoom = 1020;

constexpr int kDesignWidth = 10005;
constexpr int kDesignHeight = 4395;

QRect twipsRect(int left, int top, int width, int height, qreal dpi)
{
    return {Twips::toPixels(left, dpi), Twips::toPixels(top, dpi), Twips::toPixels(width, dpi),
            Twips::toPixels(height, dpi)};
}

// The label lblDossier: a path wraps onto the label's lines, and one too long for them shows with its
// middle elided (the label's text stays the whole path, which its tip shows too).
class PathLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        const QRect area = contentsRect();
        const QFontMetrics metrics = fontMetrics();
        constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere;
        if (metrics.boundingRect(area, flags, text()).height() <= area.height()) {
            QLabel::paintEvent(event);
            return;
        }
        const int lines = qMax(1, area.height() / metrics.lineSpacing());
        // Wrapping anywhere loses a little of each line; a character's width per line makes up for it.
        const int room = lines * area.width() - lines * metrics.averageCharWidth();
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, flags, metrics.elidedText(text(), Qt::ElideMiddle, room));
    }
};

template <typename Widget>
Widget *place(Widget *widget, const char *name, const QRect &geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

// The picture of cmdConfiguration: a small sheet with lines, the INI file, 10 x 9 pixels.
QIcon configurationIcon(const QPalette &palette)
{
    QPixmap pixmap(10, 9);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(palette.color(QPalette::WindowText));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawRect(1, 0, 7, 8);
    painter.drawLine(3, 2, 6, 2);
    painter.drawLine(3, 4, 6, 4);
    painter.drawLine(3, 6, 5, 6);
    return QIcon(pixmap);
}

// Moves a frame's children down as one when the style draws the frame's title where the design put
// them (the title sits on the frame's line in the original, above it in most styles here).
void keepBelowTitle(QGroupBox *frame)
{
    frame->ensurePolished();
    // The title's line, the frame's line under it and a few pixels of air.
    const int contentTop = frame->fontMetrics().height() + 6;
    int top = frame->height();
    for (const QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        top = qMin(top, child->y());
    const int shift = contentTop - top;
    if (shift <= 0)
        return;
    for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->move(child->x(), child->y() + shift);
    // The last child (the grid list) gives back the room so it still ends inside the frame.
    QWidget *last = frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).constLast();
    const int bottom = frame->height() - 6;
    if (last->geometry().bottom() > bottom)
        last->resize(last->width(), qMax(1, bottom - last->y()));
}

constexpr const char *kDesignGeometry = "designGeometry";

// The geometry `widget` was given at design, remembered the first time it is asked for.
QRect designGeometry(QWidget *widget)
{
    if (!widget->property(kDesignGeometry).isValid())
        widget->setProperty(kDesignGeometry, widget->geometry());
    return widget->property(kDesignGeometry).toRect();
}

// The width a label needs to show its whole text on one line.
int neededWidth(const QLabel *label)
{
    return label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin() + 2 * label->indent() +
           2;
}

// The width a button needs to show its whole text in the current style and font.
int neededWidth(const QPushButton *button)
{
    QString text = button->text();
    text.remove(QLatin1Char('&'));
    return button->fontMetrics().horizontalAdvance(text) +
           2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin) + 4;
}

// Keeps a row of buttons on their design places unless a text is wider than its button (a larger font
// than the design's, a longer caption in the other language): the row is then packed again within its
// design extent, the wide button taking room from the gaps first, then from buttons with room to spare.
void fitButtonRow(const QList<QPushButton *> &row)
{
    QList<QRect> design;
    QList<int> widths;
    QList<int> needs;
    bool fits = true;
    for (QPushButton *button : row) {
        design.append(designGeometry(button));
        needs.append(neededWidth(button));
        widths.append(qMax(design.last().width(), needs.last()));
        fits = fits && widths.last() == design.last().width();
    }
    if (fits) {
        for (int i = 0; i < row.size(); ++i)
            row[i]->setGeometry(design[i]);
        return;
    }
    QList<int> gaps;
    int used = 0;
    for (int i = 0; i < row.size(); ++i) {
        used += widths[i];
        if (i > 0)
            gaps.append(design[i].left() - design[i - 1].right() - 1);
    }
    for (const int gap : gaps)
        used += gap;
    int excess = used - (design.last().right() - design.first().left() + 1);
    constexpr int kSmallestGap = 3;
    for (int &gap : gaps) {
        const int take = qBound(0, gap - kSmallestGap, qMax(0, excess));
        gap -= take;
        excess -= take;
    }
    for (int i = row.size() - 1; i >= 0 && excess > 0; --i) {
        const int take = qBound(0, widths[i] - needs[i], excess);
        widths[i] -= take;
        excess -= take;
    }
    int x = design.first().left();
    for (int i = 0; i < row.size(); ++i) {
        row[i]->setGeometry(x, design[i].top(), widths[i], design[i].height());
        x += widths[i] + (i < gaps.size() ? gaps[i] : 0);
    }
}

QAction *addEntry(QMenu *menu, const char *name, bool checkable = false)
{
    QAction *action = menu->addAction(QString());
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    return action;
}

void addSeparator(QMenu *menu, const char *name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

QMenu *addMenu(QMenuBar *bar, const char *name)
{
    QMenu *menu = bar->addMenu(QString());
    menu->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

QSize designInnerSizeTwips()
{
    return {kDesignWidth, kDesignHeight + kListRoom};
}

MainWindowControls buildControls(QWidget *central, qreal dpi)
{
    const auto at = [dpi](int left, int top, int width, int height) {
        return twipsRect(left, top, width, height, dpi);
    };
    MainWindowControls c;
    c.cmdConfiguration = place(new QPushButton(central), "cmdConfiguration", at(120, 0, 340, 340));
    c.cmdConfiguration->setIcon(configurationIcon(central->palette()));
    c.Lecteurs = place(new DriveList(central), "Lecteurs", at(600, 0, 3015, 315));
    c.cmdDemarrer = place(new QPushButton(central), "cmdDemarrer", at(3720, 0, 975, 340));
    c.Chemins = place(new DirectoryList(central), "Chemins", at(4800, 0, 5175, 2340 + kListRoom));
    c.lblConfiguration = place(new QLabel(central), "lblConfiguration", at(120, 360, 4575, 270));
    c.lblDossier = place(new PathLabel(central), "lblDossier", at(120, 600, 4575, 495));
    c.lblDossier->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.ProgressBar1 = place(new QProgressBar(central), "ProgressBar1", at(120, 1080, 4575, 135));
    c.ProgressBar1->setTextVisible(false);
    c.ProgressBar1->setRange(0, 1);
    c.ProgressBar1->setValue(0);
    c.lblNbFichiers = place(new QLabel(central), "lblNbFichiers", at(120, 1200, 2175, 270));
    c.lblNbDocuments = place(new QLabel(central), "lblNbDocuments", at(2280, 1200, 2415, 270));

    c.frameTableau = place(new QGroupBox(central), "frameTableau", at(120, 1560, 855, 735 + kListRoom));
    c.cmdHTML = place(new QPushButton(c.frameTableau), "cmdHTML", at(120, 240, 615, 375));
    c.cmdHTML->setEnabled(false);

    c.frameEnsemble = place(new QGroupBox(central), "frameEnsemble", at(1800, 1560, 2895, 735 + kListRoom));
    c.cmdAjouterEnsemble =
        place(new QPushButton(c.frameEnsemble), "cmdAjouterEnsemble", at(120, 240, 375, 375));
    c.cmdSupprimerEnsemble =
        place(new QPushButton(c.frameEnsemble), "cmdSupprimerEnsemble", at(600, 240, 375, 375));
    c.cmdEditerEnsemble =
        place(new QPushButton(c.frameEnsemble), "cmdEditerEnsemble", at(1080, 240, 855, 375));
    c.cmdHTMLEnsemble = place(new QPushButton(c.frameEnsemble), "cmdHTMLEnsemble", at(2040, 240, 735, 375));
    c.lstTableaux = place(new QListWidget(c.frameEnsemble), "lstTableaux", at(120, 720, 2655, 915));
    c.lstTableaux->setTextElideMode(Qt::ElideMiddle);

    c.gridFiles = place(new GridView(central), "gridFiles", at(0, 2400 + kListRoom, 10095, 1905));
    keepBelowTitle(c.frameTableau);
    keepBelowTitle(c.frameEnsemble);
    return c;
}

MainWindowMenu buildMenu(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    MainWindowMenu m;
    m.mnuFichier = addMenu(bar, "mnuFichier");
    m.mnuQuitter = addEntry(m.mnuFichier, "mnuQuitter");

    m.mnuConfiguration = addMenu(bar, "mnuConfiguration");
    m.mnuChoixFichierINI = addEntry(m.mnuConfiguration, "mnuChoixFichierINI");
    m.mnuChoixFichierINI->setShortcut(QKeySequence(Qt::Key_F1));
    m.mnuListeProprietes = addEntry(m.mnuConfiguration, "mnuListeProprietes");
    m.mnuListeProprietes->setShortcut(QKeySequence(Qt::Key_F2));
    addSeparator(m.mnuConfiguration, "Sep0");
    m.mnuConfigurationHTML = addEntry(m.mnuConfiguration, "mnuConfigurationHTML");
    m.mnuConfigurationHTML->setShortcut(QKeySequence(Qt::Key_F3));
    addSeparator(m.mnuConfiguration, "Sep1");
    m.mnuInclureTout = addEntry(m.mnuConfiguration, "mnuInclureTout", true);
    m.mnuInclurePDF = addEntry(m.mnuConfiguration, "mnuInclurePDF", true);
    m.mnuInclureHTML = addEntry(m.mnuConfiguration, "mnuInclureHTML", true);
    m.mnuInclureCaches = addEntry(m.mnuConfiguration, "mnuInclureCaches", true);
    addSeparator(m.mnuConfiguration, "Sep2");
    m.mnuSurligner = addEntry(m.mnuConfiguration, "mnuSurligner", true);
    addSeparator(m.mnuConfiguration, "Sep3");
    m.mnuToolTips = addEntry(m.mnuConfiguration, "mnuToolTips", true);
    m.mnuContextuel = addEntry(m.mnuConfiguration, "mnuContextuel", true);
    addSeparator(m.mnuConfiguration, "Sep4");
    m.mnuLigne[0] = addEntry(m.mnuConfiguration, "mnuLigne1", true);
    m.mnuLigne[1] = addEntry(m.mnuConfiguration, "mnuLigne2", true);
    m.mnuLigne[2] = addEntry(m.mnuConfiguration, "mnuLigne3", true);

    m.mnuLangue = addMenu(bar, "mnuLangue");
    m.mnuAnglais = addEntry(m.mnuLangue, "mnuAnglais", true);
    m.mnuFrancais = addEntry(m.mnuLangue, "mnuFrancais", true);

    m.mnuHelp = addMenu(bar, "mnuHelp");
    m.mnuAPropos = addEntry(m.mnuHelp, "mnuAPropos");
    return m;
}

void fitCountLabels(const MainWindowControls &controls)
{
    QLabel *files = controls.lblNbFichiers;
    QLabel *documents = controls.lblNbDocuments;
    if (!files || !documents)
        return; // not built yet
    const QRect filesBox = designGeometry(files);
    const QRect documentsBox = designGeometry(documents);
    const int documentsNeed = neededWidth(documents);
    if (documentsNeed <= documentsBox.width()) {
        files->setGeometry(filesBox);
        documents->setGeometry(documentsBox);
        return;
    }
    constexpr int kGap = 6;
    const int filesEnd = filesBox.left() + qMin(filesBox.width(), neededWidth(files)) + kGap;
    const int left = qMax(filesEnd, documentsBox.right() + 1 - documentsNeed);
    documents->setGeometry(left, documentsBox.top(), documentsBox.right() + 1 - left, documentsBox.height());
    files->setGeometry(filesBox.left(), filesBox.top(), qMin(filesBox.width(), left - filesBox.left()),
                       filesBox.height());
}

QSize smallestInnerSize(const MainWindowControls &controls, int lineHeight)
{
    constexpr int kDirectoryListLines = 8; // the directory list's smallest width, in line heights
    constexpr int kGridLines = 4;          // the header row and three document rows
    constexpr int kFrames = 4;             // the grid's frame, top and bottom
    return {controls.Chemins->x() + kDirectoryListLines * lineHeight,
            controls.gridFiles->y() + kGridLines * lineHeight + kFrames};
}

void applyResizeRules(const MainWindowControls &controls, QSize inner)
{
    if (!controls.Chemins || !controls.gridFiles)
        return; // not built yet
    const QRect chemins = controls.Chemins->geometry();
    if (inner.width() - chemins.left() > 0)
        controls.Chemins->resize(inner.width() - chemins.left(), chemins.height());
    const QRect grid = controls.gridFiles->geometry();
    const int gridWidth = inner.width() - grid.left() > 0 ? inner.width() - grid.left() : grid.width();
    const int gridHeight = inner.height() - grid.top() > 0 ? inner.height() - grid.top() : grid.height();
    controls.gridFiles->resize(gridWidth, gridHeight);
}

void AppliquerLangue(const MainWindowControls &controls, const MainWindowMenu &menu, qint16 language,
                     qint64 fileCount, qint64 documentCount)
{
    const MainWindowTexts x = mainWindowTexts(language);
    menu.mnuAnglais->setChecked(language != 1);
    menu.mnuFrancais->setChecked(language == 1);

    menu.mnuFichier->setTitle(x.mnuFichier);
    menu.mnuQuitter->setText(x.mnuQuitter);
    menu.mnuConfiguration->setTitle(x.mnuConfiguration);
    menu.mnuChoixFichierINI->setText(x.mnuChoixFichierINI);
    controls.cmdConfiguration->setToolTip(x.cmdConfigurationTip);
    menu.mnuListeProprietes->setText(x.mnuListeProprietes);
    menu.mnuConfigurationHTML->setText(x.mnuConfigurationHTML);
    menu.mnuInclureTout->setText(x.mnuInclureTout);
    menu.mnuInclurePDF->setText(x.mnuInclurePDF);
    menu.mnuInclureHTML->setText(x.mnuInclureHTML);
    menu.mnuInclureCaches->setText(x.mnuInclureCaches);
    menu.mnuSurligner->setText(x.mnuSurligner);
    menu.mnuToolTips->setText(x.mnuToolTips);
    menu.mnuContextuel->setText(x.mnuContextuel);
    for (size_t i = 0; i < menu.mnuLigne.size(); ++i)
        menu.mnuLigne[i]->setText(x.mnuLigne[i]);
    menu.mnuLangue->setTitle(x.mnuLangue);
    menu.mnuAnglais->setText(x.mnuAnglais);
    menu.mnuFrancais->setText(x.mnuFrancais);
    menu.mnuHelp->setTitle(x.mnuHelp);
    menu.mnuAPropos->setText(x.mnuAPropos);

    controls.cmdDemarrer->setText(x.cmdDemarrer);
    controls.frameTableau->setTitle(x.frameTableau);
    controls.cmdHTML->setText(x.cmdHTML);
    controls.cmdHTML->setToolTip(x.cmdHTMLTip);
    controls.frameEnsemble->setTitle(x.frameEnsemble);
    controls.cmdAjouterEnsemble->setText(x.cmdAjouterEnsemble);
    controls.cmdAjouterEnsemble->setToolTip(x.cmdAjouterEnsembleTip);
    controls.cmdSupprimerEnsemble->setText(x.cmdSupprimerEnsemble);
    controls.cmdSupprimerEnsemble->setToolTip(x.cmdSupprimerEnsembleTip);
    controls.cmdEditerEnsemble->setText(x.cmdEditerEnsemble);
    controls.cmdEditerEnsemble->setToolTip(x.cmdEditerEnsembleTip);
    controls.cmdHTMLEnsemble->setText(x.cmdHTMLEnsemble);
    controls.cmdHTMLEnsemble->setToolTip(x.cmdHTMLEnsembleTip);

    fitButtonRow({controls.cmdAjouterEnsemble, controls.cmdSupprimerEnsemble, controls.cmdEditerEnsemble,
                  controls.cmdHTMLEnsemble});

    controls.lblNbFichiers->setText(fileCountText(fileCount, language));
    controls.lblNbDocuments->setText(selectedDocumentCountText(documentCount, language));
}
