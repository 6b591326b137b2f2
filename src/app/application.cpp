#include "app/application.h"

namespace tandrel {

Application::Application(Platform& platform)
    : platform_(platform),
      lang_(state_.settings, platform.environment, platform.clock, platform.locale),
      hooking_(platform.hooks),
      mainForm_(*this),
      dvdBarForm_(*this),
      optionsDialog_(*this),
      aboutForm_(*this) {}

void Application::Start() {
  mainForm_.Initialize();
  mainForm_.Form_Load();
  if (!mainForm_.IsClosed()) {
    mainForm_.window().Show();
  }
}

DvdBarForm& Application::dvdBarForm() {
  dvdBarForm_.Load();
  return dvdBarForm_;
}

OptionsDialog& Application::optionsDialog() {
  optionsDialog_.Load();
  return optionsDialog_;
}

AboutForm& Application::aboutForm() {
  aboutForm_.Load();
  return aboutForm_;
}

}  // namespace tandrel
