#include "link/ModuleSession.h"

#include "link/SerialLink.h"

#include <utility>

ModuleSession::ModuleSession(SerialLink& link, int handle, QString device)
    : link_(&link), handle_(handle), device_(std::move(device)) {}

ModuleSession::ModuleSession(ModuleSession&& other) noexcept
    : link_(std::exchange(other.link_, nullptr)),
      handle_(std::exchange(other.handle_, 0)),
      device_(std::move(other.device_)) {}

ModuleSession& ModuleSession::operator=(ModuleSession&& other) noexcept {
    if (this != &other) {
        close();
        link_ = std::exchange(other.link_, nullptr);
        handle_ = std::exchange(other.handle_, 0);
        device_ = std::move(other.device_);
    }
    return *this;
}

ModuleSession::~ModuleSession() {
    close();
}

// Each wait below tells the link that the line is in use: the events it runs may bring a timer
// tick or a click that asks.

RegisterReply ModuleSession::exchange(const QString& command) {
    if (link_ == nullptr) {
        return MakeReply({}, true);
    }
    const SerialLink::LineWait wait(*link_);
    return link_->exchange(handle_, command);
}

bool ModuleSession::send(const QString& command) {
    if (link_ == nullptr) {
        return false;
    }
    const SerialLink::LineWait wait(*link_);
    return link_->WriteToComm(handle_, command);
}

RegisterReply ModuleSession::read() {
    if (link_ == nullptr) {
        return MakeReply({}, true);
    }
    const SerialLink::LineWait wait(*link_);
    return link_->readReply(handle_);
}

void ModuleSession::drain() {
    if (link_ != nullptr) {
        const SerialLink::LineWait wait(*link_);
        link_->drain(handle_);
    }
}

void ModuleSession::pause(int milliseconds) {
    if (link_ != nullptr) {
        const SerialLink::LineWait wait(*link_);
        link_->pause(milliseconds);
    }
}

void ModuleSession::close() {
    if (link_ != nullptr) {
        const SerialLink::LineWait wait(*link_);
        link_->ShutDownComm(handle_);
        link_ = nullptr;
        handle_ = 0;
    }
}
