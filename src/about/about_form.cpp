#include "about/about_form.h"

#include "app/application.h"
#include "lang/keys.h"
#include "lang/language_reader.h"

namespace tandrel {

AboutForm::AboutForm(Application& app) : app_(app) {}

void AboutForm::Load() {
  if (IsLoaded()) {
    return;
  }
  static_cast<AboutFormState&>(*this) = AboutFormState{};
  closedWindow_.reset();
  window_ = app_.platform().windows.CreateAboutWindow(*this);
  Form_Load();
}

void AboutForm::Unload() {
  if (!IsLoaded()) {
    return;
  }
  window_->Close();
  closedWindow_ = std::move(window_);
}

void AboutForm::Form_Load() {
  LanguageReader& lang = app_.lang();
  const std::string title(kAppTitle);
  caption = lang.SetCaptionfromINI(keys::kAboutTitle) + " " + title;
  // The third number is always 0.
  lblVersion = lang.SetCaptionfromINI(keys::kVersion) + " " + std::to_string(kMajor) + "." +
               std::to_string(kMinor) + ".0." + std::to_string(kRevision);
  lblTitle = title;
  lblDescription = lang.SetCaptionfromINI(keys::kDescription);
}

void AboutForm::cmdOK_Click() {
  Unload();
}

void AboutForm::SCLabel1_Click() {
  app_.platform().opener.Open(SCLabel1, false);
}

void AboutForm::SCLabel2_Click() {
  app_.platform().opener.Open("mailto:" + SCLabel2, false);
}

}  // namespace tandrel
