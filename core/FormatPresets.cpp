#include "FormatPresets.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "Numbers.h"

namespace {

using SV = std::string_view;

// ---- Item lists ----

constexpr SV kB8[] = {"32 kbps", "48 kbps",  "64 kbps",  "80 kbps",
                      "96 kbps", "128 kbps", "160 kbps", "192 kbps"};
constexpr SV kB10[] = {"32 kbps",  "48 kbps",  "64 kbps",  "80 kbps",  "96 kbps",
                       "128 kbps", "160 kbps", "192 kbps", "256 kbps", "320 kbps"};
constexpr SV kB12[] = {"32 kbps",  "48 kbps",  "64 kbps",  "80 kbps",  "96 kbps",  "128 kbps",
                       "160 kbps", "192 kbps", "256 kbps", "448 kbps", "512 kbps", "640 kbps"};
constexpr SV kR4[] = {"24000 Hz", "32000 Hz", "44100 Hz", "48000 Hz"};
constexpr SV kR5[] = {"22050 Hz", "24000 Hz", "32000 Hz", "44100 Hz", "48000 Hz"};
constexpr SV kR7[] = {"22050 Hz", "24000 Hz", "32000 Hz", "44100 Hz",
                      "48000 Hz", "72000 Hz", "96000 Hz"};
constexpr SV kMonoStereo[] = {"1 Channel Mono", "2 Channel Stereo"};
constexpr SV kStereoOnly[] = {"2 Channel Stereo"};

constexpr SV kAac[] = {"AAC"};
constexpr SV kAc3[] = {"AC3"};
constexpr SV kMp2[] = {"MP2"};
constexpr SV kMp3[] = {"MP3"};
constexpr SV kVorbis[] = {"VORBIS"};
constexpr SV kOpus[] = {"OPUS"};
constexpr SV kOpusBitRates[] = {"6 kbps",   "12 kbps",  "16 kbps",  "24 kbps",  "32 kbps",
                                "48 kbps",  "64 kbps",  "96 kbps",  "128 kbps", "160 kbps",
                                "192 kbps", "256 kbps", "320 kbps", "384 kbps", "510 kbps"};
constexpr SV kOpusRates[] = {"48000 Hz"};
constexpr SV kOpusChannels[] = {"1 Channel Mono", "2 Channel Stereo", "5.1 Channel"};
constexpr SV kFlac[] = {"FLAC"};
constexpr SV kPcmS16be[] = {"PCM_S16BE"};
constexpr SV kPcmS16le[] = {"PCM_S16LE"};
constexpr SV kAuEncoders[] = {"PCM_S16BE", "PCM_ALAW", "PCM_MULAW"};
constexpr SV kWavEncoders[] = {"PCM_S16LE", "PCM_ALAW", "PCM_MULAW"};
constexpr SV kWmaEncoders[] = {"WMA7", "WMA8"};

constexpr SV kStereo = "2 Channel Stereo";

// An audio preset: the four video lists are empty.
constexpr PresetRow Audio(std::int32_t id, SV title, PresetList encoders, SV encoder,
                          PresetList bitRates, SV bitRate, PresetList rates, SV rate,
                          PresetList channels) {
    return PresetRow{id,   title,    encoders, encoder, bitRates, bitRate, rates,
                     rate, channels, kStereo,  {},      {},       {},      {},
                     {},   {},       {},       {},      true,     false};
}

// ---- Video and device presets: lists ----

constexpr SV kAudioBr7[] = {"64 kbps",  "96 kbps",  "128 kbps", "160 kbps",
                            "192 kbps", "256 kbps", "320 kbps"};
constexpr SV kAudioBr4[] = {"64 kbps", "96 kbps", "128 kbps", "160 kbps"};
constexpr SV kAmrBr[] = {"4.75 kbps", "5.15 kbps", "5.9 kbps",  "6.7 kbps",
                         "7.4 kbps",  "7.95 kbps", "10.2 kbps", "12.2 kbps"};
constexpr SV kRatesMain[] = {"44100 Hz", "48000 Hz", "22050 Hz", "32000 Hz"};
constexpr SV kRatesAlt[] = {"44100 Hz", "48000 Hz", "32000 Hz", "24000 Hz"};
constexpr SV kRatesMobile[] = {"48000 Hz", "44100 Hz", "22050 Hz", "11025 Hz", "8000 Hz"};
constexpr SV kRatesFlash[] = {"44100 Hz", "22050 Hz", "11025 Hz"};
constexpr SV kRates8000[] = {"8000 Hz"};
constexpr SV kRatesDv[] = {"48000 Hz", "32000 Hz"};
constexpr SV kMonoStereoLower[] = {"1 Channel Mono", "2 Channel stereo"};
constexpr SV kMonoOnly[] = {"1 Channel Mono"};
constexpr SV kSurround[] = {"1 Channel Mono", "2 Channel Stereo", "5.1 Channel"};

constexpr SV kMp3Mp2[] = {"MP3", "MP2"};
constexpr SV kAviAudio[] = {"MP3", "MP2", "PCM_S16LE", "AC3"};
constexpr SV kMp2Ac3[] = {"MP2", "AC3"};
constexpr SV kMp3Ac3[] = {"MP3", "AC3"};
constexpr SV kAacMp3[] = {"AAC", "MP3"};
constexpr SV kMkvAudio[] = {"AAC", "MP3", "AC3"};
constexpr SV kAmrNb[] = {"AMR_NB"};

constexpr SV kAsfVideo[] = {"WMV1", "WMV2", "MPEG4"};
constexpr SV kAviVideo[] = {"WMV1",  "WMV2",       "MPEG4",  "H.264",
                            "H.263", "MPEG2VIDEO", "M-JPEG", "DivX"};
constexpr SV kDvVideo[] = {"DVVIDEO"};
constexpr SV kMpeg2[] = {"MPEG2VIDEO"};
constexpr SV kMpeg1[] = {"MPEG1VIDEO"};
constexpr SV kDivxVideo[] = {"DivX", "MPEG4"};
constexpr SV kDivxOnly[] = {"DivX"};
constexpr SV kH264[] = {"H.264"};
constexpr SV kMpeg4[] = {"MPEG4"};
constexpr SV kMpeg4H264[] = {"MPEG4", "H.264"};
constexpr SV kH264Mpeg4[] = {"H.264", "MPEG4"};
constexpr SV kRv20[] = {"RV20"};
constexpr SV kWmv[] = {"WMV1", "WMV2"};
constexpr SV kWmv2[] = {"WMV2"};
constexpr SV kTsVideo[] = {"MPEG2VIDEO", "H.264"};
constexpr SV kH263Mpeg4[] = {"H.263", "MPEG4"};
constexpr SV k3gpStereoVideo[] = {"H.263", "H.264", "MPEG4"};
constexpr SV kFlv[] = {"FLV"};
constexpr SV kWiiVideo[] = {"M-JPEG", "H.263"};

constexpr SV kGeneralSizes[] = {"128*96",  "176*144", "320*240", "352*240", "352*288",
                                "640*480", "720*480", "704*576", "720*576"};
constexpr SV kHdSizes[] = {"960*540", "1280*720", "1440*1080", "1920*1080"};
constexpr SV k3gpSizes[] = {"128*96", "176*144", "352*288", "704*576", "1408*1152"};
constexpr SV kBlackBerrySizes[] = {"176*144", "220*176", "320*240", "480*320"};
constexpr SV kDvSizes[] = {"720*480", "720*576"};
constexpr SV kDvdSize[] = {"720*480"};
constexpr SV kVcdSizes[] = {"352*240", "352*288"};
constexpr SV kAppleTvSizes[] = {"640*480", "720*480", "1280*720"};
constexpr SV kAppleTvHdSizes[] = {"1280*720", "1920*1080"};
constexpr SV kIpodSizes[] = {"320*240"};
constexpr SV kIpodTvSizes[] = {"640*480", "720*480"};
constexpr SV kNano5Sizes[] = {"368*208", "374*240"};
constexpr SV kTouchSizes[] = {"480*320"};
constexpr SV kTouchTvSizes[] = {"640*480", "720*480", "720*432"};
constexpr SV kIpadSizes[] = {"1024*768", "1280*720", "640*480"};
constexpr SV kIphoneSizes[] = {"480*320", "640*480"};
constexpr SV kIphoneHdSizes[] = {"960*640", "1280*720"};
constexpr SV kAndroidSizes[] = {"480*320", "800*480", "854*480"};
constexpr SV kPlayerSizes[] = {"720*480", "640*480", "480*272", "320*240"};
constexpr SV kPspSizes[] = {"480*272"};
constexpr SV kPspTvSizes[] = {"720*480"};
constexpr SV kNdsSizes[] = {"256*192"};
constexpr SV kWiiSizes[] = {"640*480", "720*480", "720*576"};
constexpr SV kConsoleSizes[] = {"640*480", "720*480", "1280*720"};
constexpr SV kZuneSizes[] = {"320*240", "720*480"};

constexpr SV kGeneralRates[] = {"10.0 fps", "15.0 fps",  "20.0 fps", "23.975 fps", "24.0 fps",
                                "25.0 fps", "29.97 fps", "30.0 fps", "50.0 fps",   "60.0 fps"};
// The mobile and Flash list starts with the bare text "10".
constexpr SV kMobileRates[] = {"10",         "12.0 fps", "14.985 fps", "15.0 fps",
                               "23.975 fps", "25.0 fps", "29.97 fps",  "30.0 fps"};
constexpr SV kDeviceRates[] = {"15.0 fps", "20.0 fps",  "23.975 fps", "24.0 fps",
                               "25.0 fps", "29.97 fps", "30.0 fps"};
constexpr SV kHdRates[] = {"23.975 fps", "24.0 fps", "25.0 fps", "29.97 fps",
                           "30.0 fps",   "50.0 fps", "60.0 fps"};
constexpr SV kPalNtscRates[] = {"25.0 fps", "29.97 fps"};
constexpr SV kNdsRates[] = {"10.0 fps", "15.0 fps", "18.0 fps", "20.0 fps", "24.0 fps"};

constexpr SV kGeneralVbr[] = {"128 kbps",  "256 kbps",  "512 kbps",  "768 kbps",
                              "1000 kbps", "1200 kbps", "1500 kbps", "2000 kbps",
                              "2500 kbps", "3000 kbps", "3500 kbps", "4000 kbps"};
constexpr SV kHdVbr15[] = {"6000 kbps", "8000 kbps", "10000 kbps", "12000 kbps", "15000 kbps"};
constexpr SV kHdVbr18[] = {"6000 kbps",  "8000 kbps",  "10000 kbps",
                           "12000 kbps", "15000 kbps", "18000 kbps"};
constexpr SV kHdVbr20[] = {"6000 kbps",  "8000 kbps",  "10000 kbps", "12000 kbps",
                           "15000 kbps", "18000 kbps", "20000 kbps"};
constexpr SV kDvdVbr[] = {"2500 kbps", "3500 kbps", "5000 kbps",
                          "6000 kbps", "8000 kbps", "10000 kbps"};
constexpr SV kVcdVbr[] = {"1150 kbps"};
constexpr SV kDvVbr[] = {"25000 kbps"};
constexpr SV k3gpVbr[] = {"40 kbps", "80 kbps", "120 kbps", "256 kbps", "512 kbps"};
constexpr SV kDeviceVbr[] = {"256 kbps", "384 kbps",  "512 kbps",
                             "768 kbps", "1000 kbps", "1500 kbps"};
constexpr SV kNdsVbr[] = {"128 kbps", "256 kbps", "384 kbps", "512 kbps"};

// ---- Video and device presets: the parts rows share ----

struct AudioPart {
    PresetList encoders;
    SV encoder;
    PresetList bitRates;
    SV bitRate;
    PresetList rates;
    SV rate;
    PresetList channels;
    SV channel;
};

struct VideoPart {
    PresetList encoders;
    SV encoder;
    PresetList sizes;
    SV size;
    PresetList rates;
    SV rate;
    PresetList bitRates;
    SV bitRate;
};

constexpr PresetRow Video(std::int32_t id, SV title, const AudioPart& a, const VideoPart& v,
                          bool portablePlayer = false) {
    return PresetRow{id,         title,      a.encoders, a.encoder,  a.bitRates,
                     a.bitRate,  a.rates,    a.rate,     a.channels, a.channel,
                     v.encoders, v.encoder,  v.sizes,    v.size,     v.rates,
                     v.rate,     v.bitRates, v.bitRate,  false,      portablePlayer};
}

// A general container's audio: the seven bit rates, the main sample rates, mono or stereo.
constexpr AudioPart General(PresetList encoders, SV encoder) {
    return {encoders, encoder, kAudioBr7, "128 kbps", kRatesMain, "44100 Hz", kMonoStereo, kStereo};
}
// A device's audio: four bit rates (or B8), main or alternative sample rates.
constexpr AudioPart Device(PresetList encoders, SV encoder, PresetList bitRates = kAudioBr4,
                           PresetList rates = kRatesMain, SV bitRate = "128 kbps",
                           SV rate = "44100 Hz") {
    return {encoders, encoder, bitRates, bitRate, rates, rate, kMonoStereo, kStereo};
}
constexpr AudioPart Apple(PresetList bitRates = kAudioBr4) {
    return Device(kAac, "AAC", bitRates, kRatesAlt);
}
constexpr AudioPart Mobile(PresetList encoders, SV encoder) {
    return {encoders,         encoder,           kB8, "80 kbps", kRatesMobile, "44100 Hz",
            kMonoStereoLower, "2 Channel stereo"};
}
constexpr AudioPart Flash(PresetList encoders, SV encoder) {
    return {encoders,         encoder,           kB8, "128 kbps", kRatesFlash, "44100 Hz",
            kMonoStereoLower, "2 Channel stereo"};
}
constexpr AudioPart kDvdAudio{kMp2Ac3,    "AC3",      kAudioBr7, "192 kbps",
                              kRatesMain, "44100 Hz", kSurround, kStereo};
constexpr AudioPart kDvAudio{kPcmS16le, "PCM_S16LE", kAudioBr7,   "128 kbps",
                             kRatesDv,  "48000 Hz",  kMonoStereo, kStereo};
constexpr AudioPart k3gpMonoAudio{kAmrNb,     "AMR_NB",  kAmrBr,    "6.7 kbps",
                                  kRates8000, "8000 Hz", kMonoOnly, "1 Channel Mono"};
constexpr AudioPart kPspAudio{kAac,      "AAC",      kB8,         "128 kbps",
                              kRatesAlt, "48000 Hz", kMonoStereo, kStereo};

constexpr VideoPart GeneralVideo(PresetList encoders, SV encoder) {
    return {encoders,      encoder,     kGeneralSizes, "320*240",
            kGeneralRates, "29.97 fps", kGeneralVbr,   "1000 kbps"};
}
constexpr VideoPart HdVideo(PresetList encoders, SV encoder, PresetList bitRates = kHdVbr15) {
    return {encoders, encoder, kHdSizes, "1920*1080", kHdRates, "29.97 fps", bitRates, "8000 kbps"};
}
constexpr VideoPart DeviceVideo(PresetList encoders, SV encoder, PresetList sizes, SV size,
                                SV bitRate = "768 kbps") {
    return {encoders, encoder, sizes, size, kDeviceRates, "29.97 fps", kDeviceVbr, bitRate};
}
constexpr VideoPart MobileVideo(PresetList encoders, SV encoder, PresetList sizes, SV size) {
    return {encoders, encoder, sizes, size, kMobileRates, "15.0 fps", k3gpVbr, "512 kbps"};
}
constexpr VideoPart FlashVideo(PresetList encoders, SV encoder) {
    return {encoders,     encoder,    kGeneralSizes, "320*240",
            kMobileRates, "25.0 fps", kGeneralVbr,   "512 kbps"};
}
constexpr VideoPart kDvdVideo{kMpeg2,        "MPEG2VIDEO", kDvdSize, "720*480",
                              kPalNtscRates, "29.97 fps",  kDvdVbr,  "5000 kbps"};
constexpr VideoPart kDvVideoPart{kDvVideo,      "DVVIDEO",   kDvSizes, "720*480",
                                 kPalNtscRates, "29.97 fps", kDvVbr,   "25000 kbps"};
constexpr VideoPart kVcdVideo{kMpeg1,        "MPEG1VIDEO", kVcdSizes, "352*240",
                              kGeneralRates, "29.97 fps",  kVcdVbr,   "1150 kbps"};
constexpr VideoPart PspVideo(PresetList encoders, SV encoder, PresetList sizes, SV size) {
    return {encoders, encoder, sizes, size, kDeviceRates, "29.97 fps", kDeviceVbr, "768 kbps"};
}
constexpr VideoPart NdsVideo(SV bitRate) {
    return {kMpeg1, "MPEG1VIDEO", kNdsSizes, "256*192", kNdsRates, "20.0 fps", kNdsVbr, bitRate};
}

// ---- The table, in id order ----

constexpr PresetRow kPresets[] = {
    // General video containers.
    Video(90000, "ASF - Advanced Streaming Format(*.asf)", General(kMp3Mp2, "MP3"),
          GeneralVideo(kAsfVideo, "MPEG4")),
    Video(90001, "AVI - Audio-Video Interleaved(*.avi)", General(kAviAudio, "MP3"),
          GeneralVideo(kAviVideo, "MPEG4")),
    Video(90002, "DV - Digital Video Format(*.dv)", kDvAudio, kDvVideoPart),
    Video(90003, "DVD -Video(*.vob)", kDvdAudio, kDvdVideo),
    Video(90004, "DivX -Video(*.avi)", General(kMp3Ac3, "MP3"), GeneralVideo(kDivxVideo, "DivX")),
    Video(90005, "H.264 - AVC Video(*.mp4)", General(kAacMp3, "AAC"), GeneralVideo(kH264, "H.264")),
    Video(90006, "MOV - QuickTime Video(*.mov)", General(kAacMp3, "AAC"),
          GeneralVideo(kMpeg4H264, "MPEG4")),
    Video(90007, "MP4 -MPEG-4 Video(*.mp4)", General(kAacMp3, "AAC"),
          GeneralVideo(kMpeg4H264, "MPEG4")),
    Video(90008, "MPEG-1 - Video(*.mpg)", General(kMp2, "MP2"), GeneralVideo(kMpeg1, "MPEG1VIDEO")),
    Video(90009, "MPEG-2 - Video(*.mpg)", General(kMp2Ac3, "MP2"),
          GeneralVideo(kMpeg2, "MPEG2VIDEO")),
    Video(90010, "RM -Real Video(*.rm)", General(kAc3, "AC3"), GeneralVideo(kRv20, "RV20")),
    Video(90011, "VCD -Video(*.mpg)", General(kMp2, "MP2"), kVcdVideo),
    Video(90012, "WMV -Windows Media Video(*.wmv)", General(kWmaEncoders, "WMA8"),
          GeneralVideo(kWmv, "WMV2")),
    Video(90013, "MKV -Matroska Video(*.mkv)", General(kMkvAudio, "MP3"),
          GeneralVideo(kMpeg4H264, "MPEG4")),
    // Audio formats.
    Audio(90100, "AAC -Advanced Audio Codec(*.aac)", kAac, "AAC", kB12, "192 kbps", kR5, "48000 Hz",
          kMonoStereo),
    Audio(90101, "AC3 -Dolby Digital AC-3(*.ac3)", kAc3, "AC3", kB12, "192 kbps", kR5, "48000 Hz",
          kMonoStereo),
    Audio(90102, "AIFF - Audio Interchange File Format(*.aiff)", kPcmS16be, "PCM_S16BE", kB12,
          "128 kbps", kR7, "44100 Hz", kMonoStereo),
    Audio(90103, "AU - SUN AU Format(*.au)", kAuEncoders, "PCM_S16BE", kB12, "128 kbps", kR7,
          "44100 Hz", kMonoStereo),
    Audio(90104, "M4A - MPEG-4 Audio(*.m4a)", kAac, "AAC", kB12, "192 kbps", kR5, "48000 Hz",
          kMonoStereo),
    Audio(90105, "MP2 - MPEG Layer-2 Audio(*.MP2)", kMp2, "MP2", kB10, "128 kbps", kR5, "44100 Hz",
          kMonoStereo),
    Audio(90106, "MP3 - MPEG Layer-3 Audio(*.MP3)", kMp3, "MP3", kB10, "128 kbps", kR5, "44100 Hz",
          kMonoStereo),
    Audio(90107, "OGG -Ogg Vorbis Audio(*.ogg)", kVorbis, "VORBIS", kB10, "128 kbps", kR5,
          "44100 Hz", kStereoOnly),
    Audio(90108, "RA -Real Audio(*.ra)", kAc3, "AC3", kB10, "128 kbps", kR7, "44100 Hz",
          kMonoStereo),
    Audio(90109, "WAV -Waveform Audio(*.wav)", kWavEncoders, "PCM_S16LE", kB10, "128 kbps", kR7,
          "44100 Hz", kMonoStereo),
    Audio(90110, "WMA -Windows Media Audio(*.wma)", kWmaEncoders, "WMA8", kB10, "128 kbps", kR4,
          "44100 Hz", kMonoStereo),
    // Apple TV.
    Video(90200, "Apple TV - H.264 Video(*.MP4)", Apple(),
          DeviceVideo(kH264, "H.264", kAppleTvSizes, "720*480", "1500 kbps")),
    Video(90201, "Apple TV - H.264 HD Video(*.MP4)", Apple(), HdVideo(kH264, "H.264")),
    Video(90202, "Apple TV - MPEG4 Video(*.MP4)", Apple(),
          DeviceVideo(kMpeg4, "MPEG4", kAppleTvSizes, "720*480", "1500 kbps")),
    // HD video.
    Video(90300, "HD - ASF Video(*.asf)", Device(kMp3Mp2, "MP3"), HdVideo(kAsfVideo, "MPEG4")),
    Video(90301, "HD - AVI Video(*.avi)", Device(kMp3Ac3, "MP3"), HdVideo(kMpeg4H264, "MPEG4")),
    Video(90302, "HD - DivX Video(*.avi)", Device(kMp3Ac3, "MP3"), HdVideo(kDivxOnly, "DivX")),
    Video(90303, "HD - H.264 Video(*.mp4)", Device(kAacMp3, "AAC"),
          HdVideo(kH264, "H.264", kHdVbr20)),
    Video(90304, "HD - MOV Video(*.mov)", Device(kAacMp3, "AAC"), HdVideo(kH264Mpeg4, "H.264")),
    Video(90305, "HD MPEG2-TS Video(*.ts)", Device(kMp2Ac3, "AC3"),
          HdVideo(kTsVideo, "MPEG2VIDEO", kHdVbr20)),
    Video(90306, "HD - MPEG2-PS HD Video(*.mpg)", Device(kMp2Ac3, "AC3"),
          HdVideo(kMpeg2, "MPEG2VIDEO", kHdVbr18)),
    Video(90307, "HD - MPEG4 Video(*.mp4)", Device(kAacMp3, "AAC"), HdVideo(kMpeg4, "MPEG4")),
    Video(90308, "HD - RM Video(*.rm)", Device(kAc3, "AC3"), HdVideo(kRv20, "RV20")),
    Video(90309, "HD - WMV Video(*.wmv)", Device(kWmaEncoders, "WMA8"),
          HdVideo(kWmv2, "WMV2", kHdVbr18)),
    Video(90310, "HD - MKV Video(*.mkv)", Device(kMkvAudio, "AC3"),
          HdVideo(kH264Mpeg4, "H.264", kHdVbr20)),
    // iPod.
    Video(90400, "iPod H.264(*.mp4)", Apple(), DeviceVideo(kH264, "H.264", kIpodSizes, "320*240")),
    Video(90401, "iPod H.264 for TV(*.mp4)", Apple(),
          DeviceVideo(kH264, "H.264", kIpodTvSizes, "640*480", "1500 kbps")),
    Video(90402, "iPod MPEG4 Video(*.MP4)", Apple(kB8),
          DeviceVideo(kMpeg4, "MPEG4", kIpodSizes, "320*240")),
    Video(90403, "iPod MPEG4 Video for TV(*.MP4)", Apple(kB8),
          DeviceVideo(kMpeg4, "MPEG4", kIpodTvSizes, "640*480", "1500 kbps")),
    Video(90404, "iPod nano5 H.264 Video(*.MP4)", Apple(),
          DeviceVideo(kH264, "H.264", kNano5Sizes, "374*240")),
    Video(90405, "iPod nano5 MPEG4 Video(*.MP4)", Apple(),
          DeviceVideo(kMpeg4, "MPEG4", kNano5Sizes, "374*240")),
    Video(90406, "iPod touch H.264 Video(*.MP4)", Apple(),
          DeviceVideo(kH264, "H.264", kTouchSizes, "480*320")),
    Video(90407, "iPod touch H.264 Video for TV(*.MP4)", Apple(),
          DeviceVideo(kH264, "H.264", kTouchTvSizes, "720*432", "1500 kbps")),
    Video(90408, "iPod touch MPEG4(*.mp4)", Apple(),
          DeviceVideo(kMpeg4, "MPEG4", kTouchSizes, "480*320")),
    Video(90409, "iPod touch MPEG4 for TV(*.mp4)", Apple(),
          DeviceVideo(kMpeg4, "MPEG4", kTouchTvSizes, "720*432", "1500 kbps")),
    // iPad.
    Video(90500, "iPad Video H.264(*.mp4)", Apple(),
          DeviceVideo(kH264, "H.264", kIpadSizes, "1024*768", "1500 kbps")),
    Video(90501, "iPad HD Video(*.mp4)", Apple(), HdVideo(kH264, "H.264")),
    Video(90502, "iPad Video MPEG4(*.MP4)", Apple(),
          DeviceVideo(kMpeg4, "MPEG4", kIpadSizes, "1024*768", "1500 kbps")),
    Video(90503, "iPad QuickTime(*.mov)", Apple(),
          DeviceVideo(kH264Mpeg4, "H.264", kIpadSizes, "1024*768", "1500 kbps")),
    // iPhone.
    Video(90600, "iPhone 3GS MPEG4 Video(*.mp4)", Apple(),
          DeviceVideo(kMpeg4, "MPEG4", kIphoneSizes, "480*320")),
    Video(90601, "iPhone 3GS H.264 Video(*.mp4)", Apple(),
          DeviceVideo(kH264, "H.264", kIphoneSizes, "480*320")),
    Video(90602, "iPhone 3G MPEG-4 Video(*.mp4)", Apple(),
          DeviceVideo(kMpeg4, "MPEG4", kTouchSizes, "480*320")),
    Video(90603, "iPhone 3G H.264 Video(*.mp4)", Apple(),
          DeviceVideo(kH264, "H.264", kTouchSizes, "480*320")),
    Video(90604, "iPhone HD 4G Video(*.mp4)", Apple(),
          DeviceVideo(kH264, "H.264", kIphoneHdSizes, "960*640", "1500 kbps")),
    Video(90605, "iPhone MPEG-4 Video(*.mp4)", Apple(),
          DeviceVideo(kMpeg4, "MPEG4", kTouchSizes, "480*320")),
    Video(90606, "iPhone H.264 Video(*.mp4)", Apple(),
          DeviceVideo(kH264, "H.264", kTouchSizes, "480*320")),
    // A second group of audio formats.
    Audio(90700, "OGG - Ogg Vorbis Audio(*.ogg)", kVorbis, "VORBIS", kB8, "128 kbps", kR5,
          "44100 Hz", kStereoOnly),
    Audio(90701, "FLAC -Free Lossless Audio Codec(*.flac)", kFlac, "FLAC", kB8, "128 kbps", kR7,
          "44100 Hz", kMonoStereo),
    Audio(90702, "WAV -Waveform Audio(*.wav)", kPcmS16le, "PCM_S16LE", kB8, "128 kbps", kR7,
          "44100 Hz", kMonoStereo),
    Audio(90703, "WMA -Windows Media Audio(*.wma)", kWmaEncoders, "WMA8", kB8, "128 kbps", kR4,
          "44100 Hz", kMonoStereo),
    // Mobile phones.
    Video(90800, "3GP -3GP Mobile Phone 3GP - Mono(*.3gp)", k3gpMonoAudio,
          MobileVideo(kH263Mpeg4, "H.263", k3gpSizes, "352*288")),
    Video(90801, "3GP -3GP Mobile Phone 3GP - Stereo(*.3gp)", Mobile(kAac, "AAC"),
          MobileVideo(k3gpStereoVideo, "H.263", k3gpSizes, "352*288")),
    Video(90802, "3GP - BlackBerry 3GP Video(*.3gp)", Mobile(kAac, "AAC"),
          MobileVideo(kH263Mpeg4, "MPEG4", kBlackBerrySizes, "320*240")),
    Video(90803, "BlackBerry AVI Video(*.avi)", Mobile(kMp3, "MP3"),
          MobileVideo(kH263Mpeg4, "MPEG4", kBlackBerrySizes, "320*240")),
    Video(90804, "BlackBerry MPEG4 Video(*.mp4)", Mobile(kAac, "AAC"),
          MobileVideo(kMpeg4H264, "MPEG4", kBlackBerrySizes, "320*240")),
    Audio(90805, "WMA -Windows Media Audio(*.wma)", kWmaEncoders, "WMA8", kB8, "128 kbps", kR4,
          "44100 Hz", kMonoStereo),
    Video(90806, "WMV -Windows Media Video(*.wmv)", General(kWmaEncoders, "WMA8"),
          {kWmv, "WMV2", kBlackBerrySizes, "320*240", kMobileRates, "15.0 fps", kGeneralVbr,
           "512 kbps"}),
    // Android phones.
    Video(90900, "Android - MPEG4 Video(*.mp4)", General(kAac, "AAC"),
          DeviceVideo(kMpeg4, "MPEG4", kAndroidSizes, "480*320")),
    Video(90901, "HTC G2 Magic - MPEG4 Video(*.mp4)", General(kAac, "AAC"),
          DeviceVideo(kMpeg4, "MPEG4", kAndroidSizes, "480*320")),
    Video(90902, "HTC Hero - MPEG4 Video(*.mp4)", General(kAac, "AAC"),
          DeviceVideo(kMpeg4, "MPEG4", kAndroidSizes, "480*320")),
    Video(90903, "HTC Tattoo - MPEG4 Video(*.mp4)", General(kAac, "AAC"),
          DeviceVideo(kMpeg4, "MPEG4", kAndroidSizes, "480*320")),
    Video(90904, "Motorola CLIQ - MPEG4 Video(*.mp4)", General(kAac, "AAC"),
          DeviceVideo(kMpeg4, "MPEG4", kAndroidSizes, "480*320")),
    Video(90905, "Motorola Droid - MPEG4 Video(*.mp4)", General(kAac, "AAC"),
          DeviceVideo(kMpeg4, "MPEG4", kAndroidSizes, "854*480")),
    Video(90906, "Nexus One - MPEG4 Video(*.mp4)", General(kAac, "AAC"),
          DeviceVideo(kMpeg4, "MPEG4", kAndroidSizes, "800*480")),
    Video(90907, "SamSung i7500 - MPEG4 Video(*.mp4)", General(kAac, "AAC"),
          DeviceVideo(kMpeg4, "MPEG4", kAndroidSizes, "480*320")),
    // Flash.
    Video(91000, "FLV-Flash Video(*.flv)", Flash(kMp3, "MP3"), FlashVideo(kFlv, "FLV")),
    Video(91001, "SWF -SWF Format(*.swf)", Flash(kMp3, "MP3"), FlashVideo(kFlv, "FLV")),
    Video(91002, "F4V-F4V Format(*.flv)", Flash(kAacMp3, "AAC"), FlashVideo(kH264, "H.264")),
    // Archos, Creative ZEN and iRiver players.
    Video(91100, "Archos H.264 Video(*.mp4)", Device(kAac, "AAC"),
          DeviceVideo(kH264, "H.264", kPlayerSizes, "720*480", "1500 kbps")),
    Video(91101, "Archos MPEG4 Video(*.mp4)", Device(kAacMp3, "MP3"),
          DeviceVideo(kMpeg4, "MPEG4", kPlayerSizes, "720*480", "1500 kbps")),
    Video(91102, "Archos WMV Video(*.wmv)", Device(kWmaEncoders, "WMA8"),
          DeviceVideo(kWmv2, "WMV2", kPlayerSizes, "720*480", "1500 kbps")),
    Video(91103, "Creative ZEN H.264 Video(*.mp4)", Device(kAac, "AAC"),
          DeviceVideo(kH264, "H.264", kIpodSizes, "320*240")),
    Video(91104, "Creative ZEN MPEG4 Video(*.mp4)", Device(kAacMp3, "MP3"),
          DeviceVideo(kMpeg4, "MPEG4", kIpodSizes, "320*240")),
    Video(91105, "Creative ZEN WMV Video(*.wmv)", Device(kWmaEncoders, "WMA8"),
          DeviceVideo(kWmv2, "WMV2", kIpodSizes, "320*240")),
    Video(91106, "iRiver H.264 Video(*.mp4)", Device(kAac, "AAC"),
          DeviceVideo(kH264, "H.264", kPlayerSizes, "480*272")),
    Video(91107, "iRiver MPEG4 Video(*.mp4)", Device(kAacMp3, "MP3"),
          DeviceVideo(kMpeg4, "MPEG4", kPlayerSizes, "480*272")),
    Video(91108, "iRiver WMV Video(*.wmv)", Device(kWmaEncoders, "WMA8"),
          DeviceVideo(kWmv2, "WMV2", kPlayerSizes, "320*240")),
    // PS3.
    Video(91200, "PS3 H.264 Video(*.mp4)", Device(kAac, "AAC"),
          DeviceVideo(kH264, "H.264", kConsoleSizes, "720*480", "1500 kbps")),
    Video(91201, "PS3 DivX Video(*.avi)", Device(kMp3Ac3, "MP3"),
          DeviceVideo(kDivxOnly, "DivX", kConsoleSizes, "720*480", "1500 kbps")),
    Video(91202, "PS3 DivX HD Video(*.avi)", Device(kMp3Ac3, "MP3"), HdVideo(kDivxOnly, "DivX")),
    Video(91203, "PS3 H.264 HD Video(*.mp4)", Device(kAac, "AAC"),
          HdVideo(kH264, "H.264", kHdVbr20)),
    Video(91204, "PS3 MPEG2 Video(*.mpg)", Device(kMp2Ac3, "MP2"),
          DeviceVideo(kMpeg2, "MPEG2VIDEO", kConsoleSizes, "720*480", "1500 kbps")),
    Video(91205, "PS3 MPEG2-PS HD Video(*.mpg)", Device(kMp2Ac3, "AC3"),
          HdVideo(kMpeg2, "MPEG2VIDEO", kHdVbr18)),
    Video(91206, "PS3 MPEG2-TS HD Video(*.ts)", Device(kMp2Ac3, "AC3"),
          HdVideo(kTsVideo, "MPEG2VIDEO", kHdVbr20)),
    Video(91207, "PS3 WMV Video(*.wmv)", Device(kWmaEncoders, "WMA8"),
          DeviceVideo(kWmv2, "WMV2", kConsoleSizes, "720*480", "1500 kbps")),
    Video(91208, "PS3 WMV HD Video(*.wmv)", Device(kWmaEncoders, "WMA8"),
          HdVideo(kWmv2, "WMV2", kHdVbr18)),
    // PSP: the portable-player presets, which write a thumbnail beside each file.
    Video(91300, "PSP H.264 Video(*.MP4)", kPspAudio,
          PspVideo(kH264, "H.264", kPspSizes, "480*272"), true),
    Video(91301, "PSP H.264 Video for TV(*.MP4)", kPspAudio,
          PspVideo(kH264, "H.264", kPspTvSizes, "720*480"), true),
    Video(91302, "PSP H.264 Video for firmware 2.00 and above(*.MP4)", kPspAudio,
          PspVideo(kH264, "H.264", kPspSizes, "480*272"), true),
    Video(91303, "PSP MPEG4 Video(*.MP4)", kPspAudio,
          PspVideo(kMpeg4, "MPEG4", kPspSizes, "480*272"), true),
    // NDS and Wii.
    Video(91400, "NDS - DPG Video(*.dpg)", Device(kMp2, "MP2"), NdsVideo("256 kbps")),
    Video(91401, "NDS - DPG2 Video(*.dpg)", Device(kMp2, "MP2"), NdsVideo("256 kbps")),
    Video(91402, "NDS - DPG3 Video(*.dpg)", Device(kMp2, "MP2"), NdsVideo("384 kbps")),
    Video(91403, "NDS - DPG3 Video(*.dpg)", Device(kMp2, "MP2"), NdsVideo("512 kbps")),
    Video(91404, "Wii - AVI Video(*.avi)", Device(kPcmS16le, "PCM_S16LE"),
          DeviceVideo(kWiiVideo, "M-JPEG", kWiiSizes, "720*480", "1500 kbps")),
    Video(91405, "Wii - MOV Video(*.mov)", Device(kPcmS16le, "PCM_S16LE"),
          DeviceVideo(kWiiVideo, "M-JPEG", kWiiSizes, "720*480", "1500 kbps")),
    // Xbox360.
    Video(91500, "Xbox360 WMV Video(*.wmv)", Device(kWmaEncoders, "WMA8"),
          DeviceVideo(kWmv2, "WMV2", kConsoleSizes, "720*480", "1500 kbps")),
    Video(91501, "Xbox360 DivX HD Video(*.avi)", Device(kMp3Ac3, "MP3"),
          HdVideo(kDivxOnly, "DivX")),
    Video(91502, "Xbox360 DivX Video(*.avi)", Device(kMp3Ac3, "MP3"),
          DeviceVideo(kDivxOnly, "DivX", kConsoleSizes, "720*480", "1500 kbps")),
    Video(91503, "Xbox360 H.264 HD Video(*.mp4)", Device(kAac, "AAC"),
          HdVideo(kH264, "H.264", kHdVbr20)),
    Video(91504, "Xbox360 H.264 Video(*.mp4)", Device(kAac, "AAC"),
          DeviceVideo(kH264, "H.264", kConsoleSizes, "720*480", "1500 kbps")),
    Video(91505, "Xbox360 MPEG2 Video(*.mpg)", Device(kMp2Ac3, "MP2"),
          DeviceVideo(kMpeg2, "MPEG2VIDEO", kConsoleSizes, "720*480", "1500 kbps")),
    Video(91506, "Xbox360 MPEG2-PS HD Video(*.mpg)", Device(kMp2Ac3, "AC3"),
          HdVideo(kMpeg2, "MPEG2VIDEO", kHdVbr18)),
    Video(91507, "Xbox360 MPEG2-TS HD Video(*.ts)", Device(kMp2Ac3, "AC3"),
          HdVideo(kTsVideo, "MPEG2VIDEO", kHdVbr20)),
    Video(91508, "Xbox360 MPEG4 HD Video(*.mp4)", Device(kAacMp3, "AAC"), HdVideo(kMpeg4, "MPEG4")),
    Video(91509, "Xbox360 MPEG4 Video(*.mp4)", Device(kAacMp3, "AAC"),
          DeviceVideo(kMpeg4, "MPEG4", kConsoleSizes, "720*480", "1500 kbps")),
    Video(91510, "Xbox360 WMV HD Video(*.wmv)", Device(kWmaEncoders, "WMA8"),
          HdVideo(kWmv2, "WMV2", kHdVbr18)),
    // ZUNE.
    Video(91600, "ZUNE WMV Video(*.wmv)", Device(kWmaEncoders, "WMA8"),
          DeviceVideo(kWmv2, "WMV2", kZuneSizes, "320*240")),
    Video(91601, "ZUNE H.264 Video(*.mp4)", Device(kAac, "AAC", kAudioBr4, kRatesAlt),
          DeviceVideo(kH264, "H.264", kZuneSizes, "320*240")),
    Video(91602, "ZUNE MPEG4 Video(*.mp4)", Device(kAac, "AAC", kAudioBr4, kRatesAlt),
          DeviceVideo(kMpeg4, "MPEG4", kZuneSizes, "320*240")),
    // Opus, in Ogg.
    Audio(91700, "OPUS - Opus Audio(*.opus)", kOpus, "OPUS", kOpusBitRates, "128 kbps", kOpusRates,
          "48000 Hz", kOpusChannels),
};

static_assert(std::size(kPresets) == 125, "the table has 125 presets");

}  // namespace

PresetList RuleBitRates() {
    return kAudioBr7;
}

PresetList RuleSampleRates() {
    return kRatesMain;
}

PresetList AmrBitRates() {
    return kAmrBr;
}

PresetList OpusBitRates() {
    return kOpusBitRates;
}

PresetList OpusChannels() {
    return kOpusChannels;
}

std::span<const PresetRow> AllPresets() {
    return kPresets;
}

const PresetRow* FindPreset(std::int32_t presetId) {
    const auto* row =
        std::find_if(std::begin(kPresets), std::end(kPresets),
                     [presetId](const PresetRow& r) { return r.presetId == presetId; });
    return row == std::end(kPresets) ? nullptr : row;
}

std::int32_t NumberOfText(std::string_view text) {
    const std::size_t kbps = text.find(" kbps");
    if (kbps != std::string_view::npos) {
        const std::string number(text.substr(0, kbps));
        // Truncated toward zero; the small allowance keeps "5.15 kbps" from becoming 5149.
        const double kilo = ParseLeadingNumber(number).value_or(0.0) * 1000.0;
        return static_cast<std::int32_t>(kilo + (kilo >= 0 ? 1e-6 : -1e-6));
    }
    const std::size_t hz = text.find(" Hz");
    if (hz != std::string_view::npos) {
        const std::string number(text.substr(0, hz));
        return static_cast<std::int32_t>(std::strtol(number.c_str(), nullptr, 10));
    }
    return 0;
}

std::int32_t ChannelsOfText(std::string_view text) {
    if (text == "1 Channel Mono") {
        return 1;
    }
    if (text == "2 Channel Stereo") {
        return 2;
    }
    if (text == "5.1 Channel") {
        return 6;
    }
    return 0;
}
