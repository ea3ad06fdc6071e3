#include "Application.h"

void Application::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
    menuHandlers_[itemName] = std::move(handler);
}

bool Application::HandleMenuCommand(const std::string& itemName) {
    auto found = menuHandlers_.find(itemName);
    return found != menuHandlers_.end() && found->second && found->second();
}

bool Application::HasMenuHandler(const std::string& itemName) const {
    return menuHandlers_.count(itemName) != 0;
}
