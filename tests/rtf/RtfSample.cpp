// The help text as the help window writes it, shared by the rtf tests.
#include <string>
#include <vector>

namespace rtftest {

std::string HelpSampleRtf()
{
    // Lines end in CR LF like the files the help window saves.
    static const std::vector<std::string> lines = {
        R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}})"
        R"({\colortbl\red64\green64\blue64;\red255\green255\blue64;\red64\green64\blue255;\red255\green64\blue64;})"
        R"(\viewkind4\uc1\pard\f0\fs32\cf0 )",
        R"({\b NORVEL LX-4410 Series Settings Program}\par\par\fs24 )",
        R"(This program will help you set up the board before it goes into the machine.\par\par )",
        R"({\cf1\fs24\b Yellow circles} provide information on configuring jumpers and switches.\par\par )",
        R"({\cf2\fs24\b Blue circles} show the factory default position of each jumper.\par\par )",
        R"({\cf3\fs24\b Red circles} mark settings that conflict with another option.\par\par )",
        R"(Click one of the {\cf1 setup circles} to see the choices for that option group.\par\par )",
        R"({\fs32\b Note:} Make sure to set the jumpers for each option group \emdash  the configuration )"
        R"(options are not stored on the board; this program only shows where they go.\par\par )",
        R"(})",
    };
    std::string rtf;
    for (const std::string& line : lines)
        rtf += line + "\r\n";
    return rtf;
}

}  // namespace rtftest
