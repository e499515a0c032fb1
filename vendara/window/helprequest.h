// What `CHelp::Show` asks of the help viewer: the help file, the window pane ("Main" for the
// contents, "Search" for the search pane) and, when given, a topic's context id.
#pragma once

// Qt
#include <QString>

// std
#include <optional>

namespace vendara {

struct HelpRequest
{
    // The viewer's two commands: show the file's default topic, or the topic of a context id.
    enum class Command { DisplayTopic = 0, HelpContext = 15 };

    QString file;
    QString pane;
    std::optional<int> contextId;

    // The file path, and when a pane is named, the trimmed path, ">" and the trimmed pane
    // name (the window-type syntax of compiled help).
    [[nodiscard]] QString target() const;
    [[nodiscard]] Command command() const
    {
        return contextId ? Command::HelpContext : Command::DisplayTopic;
    }
    // The command's data: the context id, or 0.
    [[nodiscard]] int data() const { return contextId.value_or(0); }
    [[nodiscard]] bool searchPane() const;

    bool operator==(const HelpRequest &other) const = default;
};

} // namespace vendara
