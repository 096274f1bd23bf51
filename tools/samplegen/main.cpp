// samplegen OUTPUT_DIR: writes the screen saver's two sample animations into
// OUTPUT_DIR, as part of the build.
#include "RecordIo.h"
#include "SampleDrawings.h"

#include <exception>
#include <iostream>
#include <string>

namespace {

void Write(const std::string& path, const std::vector<kritz::DrawRecord>& records)
{
    kritz::StdFile file(path, kritz::StdFile::Mode::Write);
    kritz::WriteRecords(file, records);
    file.Close();
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: samplegen OUTPUT_DIR\n";
        return 2;
    }
    try {
        const std::string dir = std::string(argv[1]) + "/";
        Write(dir + "KritzSS.Krz", kritz::samplegen::FullScreenDrawing());
        Write(dir + "KritzSSx.Krz", kritz::samplegen::PreviewDrawing());
    } catch (const std::exception& e) {
        std::cerr << "samplegen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
