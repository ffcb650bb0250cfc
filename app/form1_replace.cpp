#include "app/form1.h"

namespace pattaro {

void Form1::Command2_Click()
{
}

void Form1::Command3_Click()
{
}

} // namespace pattaro
