#include "texts/about_window_texts.h"

#include "statvex/number_text.h"
#include "texts/messages.h"

namespace dorvex::texts {

AboutTexts AboutWindowTexts(Language language) {
  const bool cs = language == Language::Czech;
  AboutTexts texts;
  texts.title = cs ? "  Dorvex :  O programu" : "  Dorvex :  About";
  texts.programName = "Dorvex";
  texts.versionLine = MessageText(62, language) + " :  " + statvex::VersionText();
  if (cs) {
    texts.lines = {"Matematické operace s histogramy",
                   "Přímý numerický výpočet náhodných veličin",
                   "zadaných histogramy",
                   "Vývoj: tým Dorvex",
                   "C++20, Qt 6, GoogleTest",
                   "Linux, desktop X11 / Wayland"};
    texts.contacts = {{{"Podpora", "support@dorvex.example"},
                       {"Připomínky", "feedback@dorvex.example"},
                       {"Licence", "licence@dorvex.example"}}};
  } else {
    texts.lines = {"Mathematical operations with histograms",
                   "Direct numerical calculation of random",
                   "quantities given by histograms",
                   "Developed by the Dorvex team",
                   "C++20, Qt 6, GoogleTest",
                   "Linux, X11 / Wayland desktop"};
    texts.contacts = {{{"Support", "support@dorvex.example"},
                       {"Feedback", "feedback@dorvex.example"},
                       {"Licence", "licence@dorvex.example"}}};
  }
  return texts;
}

std::string FolderOverviewText(const std::array<std::string, 5>& folders, Language language) {
  std::string text(1, '\t');
  text += MessageText(34, language);
  for (const std::string& folder : folders) text = InsertText(text, folder);
  return text;
}

}  // namespace dorvex::texts
