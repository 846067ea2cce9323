#include "app/launch_description.h"
#include "platform/ui/launch.h"

int main(int argc, char** argv) { orvo::ui::launch::run_or_exit(mail::app::make_launch_description(), argc, argv); }
