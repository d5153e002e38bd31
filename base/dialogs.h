#pragma once

#include <QString>
#include <optional>

namespace corvanna {

// Every message box of the program goes through this interface, so that tests can read each
// message and answer each question without a real modal box.
enum class Buttons { Ok, YesNo };
enum class Icon { None, Warning, Question };
enum class Answer { Ok, Yes, No };

struct Message {
    QString text;
    QString title; // empty: the application title
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok;
};

// The application title that boxes without a title of their own show.
QString applicationTitle();
void setApplicationTitle(const QString& title);

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows the message (an empty title becomes the application title) and returns the answer.
    Answer show(Message message);

    // A notice or validation message: OK only, no icon, application title.
    void notify(const QString& text) { show({text, {}, Buttons::Ok, Icon::None, Answer::Ok}); }
    // A question: Yes and No, no icon, Yes the default, application title. True on Yes.
    bool ask(const QString& text) {
        return show({text, {}, Buttons::YesNo, Icon::None, Answer::Yes}) == Answer::Yes;
    }
    // A question whose safe answer is No: No the default. True on Yes.
    bool askDefaultNo(const QString& text) {
        return show({text, {}, Buttons::YesNo, Icon::None, Answer::No}) == Answer::Yes;
    }

    // Asks for a password in a field that shows no characters, under the application title.
    // Nothing when the desk cancels.
    std::optional<QString> password(const QString& prompt) {
        return askPassword(prompt, applicationTitle());
    }

protected:
    virtual Answer present(const Message& message) = 0;
    virtual std::optional<QString> askPassword(const QString& prompt, const QString& title) = 0;
};

} // namespace corvanna
