#pragma once

#include <deque>
#include <mutex>
#include <vector>

#include "framework/AfxMessageBox.h"

// For tests and test tools: while alive, records every message box instead
// of showing it and answers with the queued answers in order, then with the
// default answer. Restores the previous sink when destroyed.
class CMessageBoxCapture
{
public:
    explicit CMessageBoxCapture(int defaultAnswer = IDOK) : m_defaultAnswer(defaultAnswer)
    {
        m_previous = SetMessageBoxSink([this](const CMessageBoxRequest& request) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_requests.push_back(request);
            if (m_answers.empty())
                return m_defaultAnswer;
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
    }
    ~CMessageBoxCapture() { SetMessageBoxSink(m_previous); }
    CMessageBoxCapture(const CMessageBoxCapture&) = delete;
    CMessageBoxCapture& operator=(const CMessageBoxCapture&) = delete;

    void QueueAnswer(int answer)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_answers.push_back(answer);
    }
    std::vector<CMessageBoxRequest> Requests() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_requests;
    }
    int Count() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return static_cast<int>(m_requests.size());
    }
    void Clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests.clear();
    }

private:
    mutable std::mutex m_mutex;
    std::vector<CMessageBoxRequest> m_requests;
    std::deque<int> m_answers;
    int m_defaultAnswer;
    MessageBoxSink m_previous;
};
