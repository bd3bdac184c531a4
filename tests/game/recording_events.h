#pragma once

#include "game/game.h"

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

namespace tavolin::testing {

// Records what the model shows and answers its questions from a script.
class RecordingEvents : public GameEvents {
public:
    struct Status { int panel; std::string text; };
    struct Question { std::string caption; std::string text; };
    struct Flight { CardCode card; int fromX, fromY, toX, toY; };

    std::vector<Status> statuses;
    std::vector<std::string> informations;
    std::vector<Question> questions;
    std::deque<bool> answers;   // answered in order; an empty script answers No
    std::vector<Flight> flights;
    int repaints = 0, detailsResets = 0, restores = 0;
    std::vector<TransferDetails> details;
    std::vector<MovePanel> movePanels;
    std::vector<Transfer> transfers;

    void showStatus(int panel, const std::string& text) override { statuses.push_back({panel, text}); }
    void showInformation(const std::string& text) override { informations.push_back(text); }
    bool askYesNo(const std::string& caption, const std::string& text) override
    {
        questions.push_back({caption, text});
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    void animateCardToPile(CardCode card, int fromX, int fromY, int toX, int toY) override
    {
        flights.push_back({card, fromX, fromY, toX, toY});
    }
    void repaintTable() override { ++repaints; }
    void resetDetailsPanel() override { ++detailsResets; }
    void showTransferDetails(const TransferDetails& shown) override { details.push_back(shown); }
    void showMoveDetection(const MovePanel& panel) override { movePanels.push_back(panel); }
    void tableRestored() override { ++restores; }
    void transferDone(const Transfer& transfer) override { transfers.push_back(transfer); }

    std::string lastStatus(int panel) const
    {
        const auto last = std::find_if(statuses.rbegin(), statuses.rend(),
                                       [&](const Status& status) { return status.panel == panel; });
        return last == statuses.rend() ? std::string() : last->text;
    }
};

} // namespace tavolin::testing
