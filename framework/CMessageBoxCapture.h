#pragma once

#include <deque>
#include <mutex>
#include <vector>

#include "framework/AfxMessageBox.h"
#include "framework/CNonCopyable.h"

// For tests and test tools: while alive, records every message box instead
// of showing it and answers with the queued answers in order, then with the
// default answer. Restores the previous sink when destroyed.
class CMessageBoxCapture : private CNonCopyable
{
public:
    explicit CMessageBoxCapture(int defaultAnswer = IDOK) : m_nDefaultAnswer(defaultAnswer)
    {
        m_fnPrevious = SetMessageBoxSink([this](const CMessageBoxRequest& request) {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_arrRequests.push_back(request);
            if (m_arrAnswers.empty())
                return m_nDefaultAnswer;
            const int answer = m_arrAnswers.front();
            m_arrAnswers.pop_front();
            return answer;
        });
    }
    ~CMessageBoxCapture() { SetMessageBoxSink(m_fnPrevious); }

    void QueueAnswer(int answer)
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_arrAnswers.push_back(answer);
    }
    std::vector<CMessageBoxRequest> Requests() const
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return m_arrRequests;
    }
    int Count() const
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return static_cast<int>(m_arrRequests.size());
    }
    void Clear()
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_arrRequests.clear();
    }

private:
    mutable std::mutex m_Mutex;
    std::vector<CMessageBoxRequest> m_arrRequests;
    std::deque<int> m_arrAnswers;
    int m_nDefaultAnswer;
    MessageBoxSink m_fnPrevious;
};
