#include "support/MessageRecorder.h"

MessageRecorder::MessageRecorder()
{
    MessageBoxes::setHandler([this](const MessageBoxes::Request &request) {
        m_requests.append(request);
        if (request.buttons == MessageBoxes::Buttons::Ok)
            return MessageBoxes::Answer::Ok;
        return m_answers.isEmpty() ? MessageBoxes::Answer::No : m_answers.takeFirst();
    });
}

MessageRecorder::~MessageRecorder()
{
    MessageBoxes::setHandler({});
}

QStringList MessageRecorder::texts() const
{
    QStringList all;
    for (const MessageBoxes::Request &request : m_requests)
        all.append(request.text);
    return all;
}
