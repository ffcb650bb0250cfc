#include "app/form1.h"

namespace pattaro {

void Form1::Command1_Click()
{
}

} // namespace pattaro
