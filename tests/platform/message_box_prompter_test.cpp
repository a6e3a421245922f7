#include "platform/message_box_prompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Runs `answer` on the modal box that `ask` opens, once the box is up.
void answerNextBox(std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), u"Fichorama"_s);
        answer(box);
    });
}

} // namespace

TEST(MessageBoxPrompter, BoxesCarryTitleIconAndAnswer)
{
    MessageBoxPrompter prompter;
    const struct
    {
        std::function<void()> ask;
        QMessageBox::Icon icon;
    } notices[] = {
        {[&] { prompter.showInformation(u"i"_s); }, QMessageBox::Information},
        {[&] { prompter.showExclamation(u"e"_s); }, QMessageBox::Warning},
        {[&] { prompter.showError(u"x"_s); }, QMessageBox::Critical},
    };
    for (const auto &notice : notices) {
        SCOPED_TRACE(int(notice.icon));
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        answerNextBox([&shown](QWidget *box) {
            auto *messageBox = qobject_cast<QMessageBox *>(box);
            ASSERT_NE(messageBox, nullptr);
            shown = messageBox->icon();
            messageBox->accept();
        });
        notice.ask();
        EXPECT_EQ(shown, notice.icon);
    }

    for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
        answerNextBox([button](QWidget *box) {
            auto *messageBox = qobject_cast<QMessageBox *>(box);
            ASSERT_NE(messageBox, nullptr);
            EXPECT_EQ(messageBox->icon(), QMessageBox::Question);
            EXPECT_EQ(messageBox->defaultButton(),
                      qobject_cast<QPushButton *>(messageBox->button(QMessageBox::No)));
            messageBox->button(button)->click();
        });
        EXPECT_EQ(prompter.askYesNo(u"?"_s, Prompter::DefaultAnswer::No), button == QMessageBox::Yes);
    }
}

TEST(MessageBoxPrompter, InputBoxIsPrefilledAndCancelGivesNothing)
{
    MessageBoxPrompter prompter;
    answerNextBox([](QWidget *box) {
        auto *dialog = qobject_cast<QInputDialog *>(box);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->labelText(), u"Rename document"_s);
        EXPECT_EQ(dialog->textValue(), u"old.doc"_s);
        dialog->setTextValue(u"new.doc"_s);
        dialog->accept();
    });
    EXPECT_EQ(prompter.askText(u"Rename document"_s, u"old.doc"_s), std::optional<QString>(u"new.doc"_s));

    answerNextBox([](QWidget *box) { qobject_cast<QDialog *>(box)->reject(); });
    EXPECT_EQ(prompter.askText(u"Rename document"_s, u"old.doc"_s), std::nullopt);
}

TEST(MessageBoxPrompter, BoxesOpenOverTheWindowThatAsks)
{
    QWidget window;
    window.setGeometry(300, 200, 500, 300);
    window.show();
    MessageBoxPrompter prompter(&window);
    QWidget *owner = nullptr;
    QPoint centre;
    const auto noteOwner = [&owner, &centre](QWidget *box) {
        owner = box->parentWidget();
        centre = box->geometry().center();
        qobject_cast<QDialog *>(box)->reject();
    };
    answerNextBox(noteOwner);
    prompter.showInformation(u"i"_s);
    EXPECT_EQ(owner, &window);
    EXPECT_LE((centre - window.geometry().center()).manhattanLength(), 10) << "centred over it";

    // A dialog in front asks through the same prompter: its box opens over the dialog.
    QDialog dialog(&window);
    dialog.setGeometry(20, 20, 200, 150);
    QTimer::singleShot(0, &dialog, [&] {
        answerNextBox(noteOwner);
        prompter.askText(u"Rename document"_s, u"a.doc"_s);
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(owner, &dialog);
}
