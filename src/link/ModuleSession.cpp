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

RegisterReply ModuleSession::exchange(const QString& command) {
    return link_ != nullptr ? link_->exchange(handle_, command) : MakeReply({}, true);
}

bool ModuleSession::send(const QString& command) {
    return link_ != nullptr && link_->WriteToComm(handle_, command);
}

RegisterReply ModuleSession::read() {
    return link_ != nullptr ? link_->readReply(handle_) : MakeReply({}, true);
}

void ModuleSession::drain() {
    if (link_ != nullptr) {
        link_->drain(handle_);
    }
}

void ModuleSession::pause(int milliseconds) {
    if (link_ != nullptr) {
        link_->pause(milliseconds);
    }
}

void ModuleSession::close() {
    if (link_ != nullptr) {
        link_->ShutDownComm(handle_);
        link_ = nullptr;
        handle_ = 0;
    }
}
