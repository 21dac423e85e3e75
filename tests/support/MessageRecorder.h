#pragma once

#include "platform/MessageBoxes.h"

#include <QList>
#include <QStringList>

// Records every box the program shows and answers it as scripted, so no test ever waits on
// a modal box. Installed for its lifetime.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();

    // Answers for the Yes/No boxes, used in order; when they run out, boxes answer No.
    void scriptAnswers(QList<MessageBoxes::Answer> answers) { m_answers = std::move(answers); }

    const QList<MessageBoxes::Request> &requests() const { return m_requests; }
    QStringList texts() const;
    void clear() { m_requests.clear(); }

private:
    QList<MessageBoxes::Request> m_requests;
    QList<MessageBoxes::Answer> m_answers;
};
