#include "ui/Action.h"

#include "ui/Application.h"
#include "ui/Form.h"

#include <algorithm>

namespace zt {

Action::Action(Form& owner) : owner_(owner) {
    owner_.actions_.push_back(this);
}

Action::~Action() {
    auto& list = owner_.actions_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

bool Action::Execute() {
    if (!enabled)
        return false;
    owner_.App().Dispatch(OnExecute);
    return true;
}

} // namespace zt
