// The command-line help: five topics, shown under their headings.
#pragma once

#include <string>
#include <vector>

namespace tsy {

enum class HelpTopic { Overview, Symbologies, Eci, Codepages1D, Codepages2D };

inline constexpr HelpTopic kHelpTopics[] = {HelpTopic::Overview, HelpTopic::Symbologies,
                                            HelpTopic::Eci, HelpTopic::Codepages1D,
                                            HelpTopic::Codepages2D};

// The radio-button caption of a topic ("Overview", "1D Codepages", ...).
const char* HelpTopicTitle(HelpTopic topic);

// The lines of a topic (UTF-8, without line ends); the code-page topics end with the names of
// their class, blanks replaced by '_'.
std::vector<std::string> HelpTextLines(HelpTopic topic);

// Every topic under its heading, then the exit statuses, lines ended by "\n": what /help
// prints.
std::string FullHelpText();

}  // namespace tsy
