#pragma once

#include <QString>

#include <span>
#include <vector>

namespace dirdock {

// One page of the help text, compiled into the program.
struct HelpTopic {
    const char* title;
    const char* html;
};

// Every topic, in the order the contents list them.
std::span<const HelpTopic> HelpTopics();

// The title of the topic that explains the help viewer itself.
QString HowToUseHelpTitle();

// Positions of the topics whose title or text contains every word of
// `words`, ignoring case, in contents order. No words find nothing.
std::vector<std::size_t> FindHelpTopics(const QString& words);

} // namespace dirdock
