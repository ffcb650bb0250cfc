#include "app/form1.h"

namespace pattaro {

void Form1::Command4_Click()
{
}

void Form1::Command5_Click()
{
}

void Form1::Command6_Click()
{
}

void Form1::Color1_Click()
{
}

void Form1::Color2_Click()
{
}

void Form1::Image1_Click()
{
}

void Form1::Label5_Click()
{
}

void Form1::Label6_Click()
{
}

} // namespace pattaro
