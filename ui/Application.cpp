#include "ui/Application.h"

#include "ui/Form.h"

namespace zt {

void Application::Run(Form& main) {
    main.Show();
    host_.Run(main);
}

} // namespace zt
