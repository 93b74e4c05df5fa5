<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Batal</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Urungkan</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>U&amp;langi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Po&amp;tong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Urungkan</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>U&amp;langi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Po&amp;tong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
</context>
<context>
    <name>kanjiaid</name>
    <message>
        <source>Kanji Learning Program</source>
        <extracomment>Title of every message box and input box</extracomment>
        <translation>Program Belajar Kanji</translation>
    </message>
</context>
<context>
    <name>kanjiaid::Form1</name>
    <message>
        <source>Enter the English word:</source>
        <translation>Masukkan kata Inggris:</translation>
    </message>
    <message>
        <source>Enter the Kunyomi:</source>
        <translation>Masukkan kunyomi:</translation>
    </message>
    <message>
        <source>The Kunyomi:</source>
        <extracomment>Caption of the reading shown in the English-to-Japanese direction</extracomment>
        <translation>Kunyomi:</translation>
    </message>
    <message>
        <source>The English word:</source>
        <extracomment>Caption of the meaning shown in the Japanese-to-English direction</extracomment>
        <translation>Kata bahasa Inggris:</translation>
    </message>
    <message>
        <source>Velmora University: Online Kanji Learning Program</source>
        <translation>Universitas Velmora: Program Belajar Kanji Daring</translation>
    </message>
    <message>
        <source>English-Japanese Kanji Dictionary</source>
        <translation>Kamus Kanji Inggris-Jepang</translation>
    </message>
    <message>
        <source>Version 1.01 (245 kanji of level 3 and 4)</source>
        <translation>Versi 1.01 (245 kanji tingkat 3 dan 4)</translation>
    </message>
    <message>
        <source>JLPT</source>
        <extracomment>Beside the version line: the examination whose levels the records follow</extracomment>
        <translation>JLPT</translation>
    </message>
    <message>
        <source>English to Japanese</source>
        <translation>Inggris ke Jepang</translation>
    </message>
    <message>
        <source>Japanese to English</source>
        <translation>Jepang ke Inggris</translation>
    </message>
    <message>
        <source>Browse Up</source>
        <comment>records</comment>
        <extracomment>Shows the record with the next higher record number</extracomment>
        <translation>Telusur Naik</translation>
    </message>
    <message>
        <source>Check Expression</source>
        <translation>Periksa Ungkapan</translation>
    </message>
    <message>
        <source>Browse Down</source>
        <comment>records</comment>
        <extracomment>Shows the record with the next lower record number</extracomment>
        <translation>Telusur Turun</translation>
    </message>
    <message>
        <source>Show/hide the word in Indonesian</source>
        <translation>Tampilkan/sembunyikan kata bahasa Indonesia</translation>
    </message>
    <message>
        <source>Search for the word</source>
        <translation>Cari kata</translation>
    </message>
    <message>
        <source>Record number:</source>
        <translation>Nomor entri:</translation>
    </message>
    <message>
        <source>Hear the kunyomi sound</source>
        <translation>Dengarkan bunyi kunyomi</translation>
    </message>
    <message>
        <source>The Kanji and its onyomi:</source>
        <translation>Kanji dan onyominya:</translation>
    </message>
    <message>
        <source>Kanji level:</source>
        <extracomment>Caption of the record&apos;s level (3 or 4) in the examination</extracomment>
        <translation>Tingkat kanji:</translation>
    </message>
    <message>
        <source>Show/hide Onyomi, Kunyomi, Example</source>
        <translation>Tampilkan/sembunyikan Onyomi, Kunyomi, Contoh</translation>
    </message>
    <message>
        <source>The kunyomi:</source>
        <extracomment>Caption of the reading before the window has loaded; replaced at once by &quot;The Kunyomi:&quot;</extracomment>
        <translation>Kunyomi:</translation>
    </message>
    <message>
        <source>Example(s) on Onyomi:</source>
        <translation>Contoh onyomi:</translation>
    </message>
    <message>
        <source>The word in Indonesian:</source>
        <translation>Kata bahasa Indonesia:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>NOTE: ( ) on kunyomi indicates intransitif verb/jidoushi</source>
        <translation>CATATAN: ( ) pada kunyomi menandai verba intransitif/jidoushi</translation>
    </message>
    <message>
        <source>Record number</source>
        <extracomment>Spoken names of the labels that show a record&apos;s fields</extracomment>
        <translation>Nomor entri</translation>
    </message>
    <message>
        <source>Kanji</source>
        <translation>Kanji</translation>
    </message>
    <message>
        <source>Onyomi</source>
        <translation>Onyomi</translation>
    </message>
    <message>
        <source>Kunyomi</source>
        <translation>Kunyomi</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Contoh</translation>
    </message>
    <message>
        <source>Indonesian word</source>
        <translation>Kata bahasa Indonesia</translation>
    </message>
    <message>
        <source>Kanji level</source>
        <translation>Tingkat kanji</translation>
    </message>
    <message>
        <source>Word to search</source>
        <translation>Kata yang dicari</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The menu bar&apos;s one item, which shows the help text</extracomment>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>Sorry, the word is not yet in the dictionary!</source>
        <translation>Maaf, kata itu belum ada dalam kamus!</translation>
    </message>
    <message>
        <source>Please enter a record number from 1 to %1.</source>
        <translation>Masukkan nomor entri dari 1 sampai %1.</translation>
    </message>
    <message>
        <source>Sorry, This is the last record. Enter the record number (1 to %1) !</source>
        <translation>Maaf, ini entri terakhir. Masukkan nomor entri (1 sampai %1)!</translation>
    </message>
    <message>
        <source>Sorry, This is the first record. Enter the record number (1 to %1) !</source>
        <translation>Maaf, ini entri pertama. Masukkan nomor entri (1 sampai %1)!</translation>
    </message>
    <message>
        <source>Sorry the sound file is not available yet</source>
        <translation>Maaf, berkas suaranya belum tersedia</translation>
    </message>
    <message>
        <source>Do you know that the most frequently used kanji (1945) consist of: (A) 152 basic form (single unit) Kanji (B) 483 Semantic compound Kanji (kanji with similar meaning based on its classifiers/parts), (C) 1310 Phonetic compound Kanji (Kanji with same/similar pronounciation based on its left/right/up/down part or bushu)? By remembering the onyomi reading of Phonetic compound Kanji, you can easily guess the pronounciation of almost 67 % of them!</source>
        <translation>Tahukah Anda bahwa kanji yang paling sering digunakan (1945) terdiri atas: (A) 152 kanji bentuk dasar (satu unsur), (B) 483 kanji gabungan semantis (kanji dengan makna serupa berdasarkan penggolong/bagiannya), (C) 1310 kanji gabungan fonetis (kanji dengan lafal sama/serupa berdasarkan bagian kiri/kanan/atas/bawahnya atau bushu)? Dengan mengingat bacaan onyomi kanji gabungan fonetis, Anda dapat dengan mudah menebak lafal hampir 67 % di antaranya!</translation>
    </message>
</context>
<context>
    <name>kanjiaid::Form2</name>
    <message>
        <source>dictionary-form:</source>
        <translation>bentuk kamus:</translation>
    </message>
    <message>
        <source>masu-form:</source>
        <translation>bentuk masu:</translation>
    </message>
    <message>
        <source>ta-form:</source>
        <translation>bentuk ta:</translation>
    </message>
    <message>
        <source>te-form:</source>
        <translation>bentuk te:</translation>
    </message>
    <message>
        <source>Imperative form:</source>
        <translation>Bentuk perintah:</translation>
    </message>
    <message>
        <source>Conditional-form:</source>
        <translation>Bentuk andaian:</translation>
    </message>
    <message>
        <source>Volitional form:</source>
        <translation>Bentuk niat:</translation>
    </message>
    <message>
        <source>nai-form:</source>
        <translation>bentuk nai:</translation>
    </message>
    <message>
        <source>Passive-form:</source>
        <translation>Bentuk pasif:</translation>
    </message>
    <message>
        <source>Causative-form:</source>
        <translation>Bentuk kausatif:</translation>
    </message>
    <message>
        <source>Velmora University, Japan</source>
        <translation>Universitas Velmora, Jepang</translation>
    </message>
    <message>
        <source>Enter any kanji expression (on Japanese O/S only):</source>
        <translation>Masukkan ungkapan kanji apa saja (hanya pada OS berbahasa Jepang):</translation>
    </message>
    <message>
        <source>or Paste from other source</source>
        <translation>atau Tempel dari sumber lain</translation>
    </message>
    <message>
        <source>On, kun, meaning:</source>
        <translation>On, kun, arti:</translation>
    </message>
    <message>
        <source>Kanji expression</source>
        <translation>Ungkapan kanji</translation>
    </message>
    <message>
        <source>Kunyomi, onyomi and meaning</source>
        <translation>Kunyomi, onyomi, dan arti</translation>
    </message>
    <message>
        <source>RUN and click on any kanji below:</source>
        <extracomment>Lays the expression out below, one character a cell</extracomment>
        <translation>JALANKAN, lalu klik kanji mana saja di bawah:</translation>
    </message>
    <message>
        <source>Back to Main</source>
        <translation>Kembali ke Utama</translation>
    </message>
    <message>
        <source>Character %1</source>
        <translation>Karakter %1</translation>
    </message>
    <message>
        <source>Enter any verb in romaji:</source>
        <translation>Masukkan verba dalam romaji:</translation>
    </message>
    <message>
        <source>Verb in romaji</source>
        <translation>Verba dalam romaji</translation>
    </message>
    <message>
        <source>RUN</source>
        <comment>conjugate the verb</comment>
        <translation>JALANKAN</translation>
    </message>
    <message>
        <source>Select one or more:</source>
        <translation>Pilih satu atau lebih:</translation>
    </message>
    <message>
        <source>We will take the first %1 letters only!</source>
        <translation>Hanya %1 huruf pertama yang akan diambil!</translation>
    </message>
    <message>
        <source>That kanji isn&apos;t in this dictionary yet.</source>
        <translation>Kanji itu belum ada dalam kamus ini.</translation>
    </message>
</context>
<context>
    <name>kanjiaid::ui::ValueLabel</name>
    <message>
        <source>%1: %2</source>
        <extracomment>How a screen reader in a browser reads a value label: its name, then what it shows</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Kanji Learning Program</source>
        <extracomment>The page&apos;s title and heading: the program&apos;s name, as in the menus of a desktop</extracomment>
        <translation>Program Belajar Kanji</translation>
    </message>
    <message>
        <source>Loading the program…</source>
        <translation>Memuat program…</translation>
    </message>
    <message>
        <source>This browser cannot run the program: it does not support WebAssembly. Please open this page in a current version of Chrome, Edge, Firefox or Safari.</source>
        <translation>Peramban ini tidak dapat menjalankan program: peramban ini tidak mendukung WebAssembly. Silakan buka halaman ini di versi terbaru Chrome, Edge, Firefox, atau Safari.</translation>
    </message>
    <message>
        <source>The program could not be loaded. Check the connection and start again.</source>
        <translation>Program tidak dapat dimuat. Periksa sambungan, lalu mulai lagi.</translation>
    </message>
    <message>
        <source>The program has ended.</source>
        <translation>Program telah selesai.</translation>
    </message>
    <message>
        <source>The program has stopped because of an error.</source>
        <translation>Program berhenti karena terjadi kesalahan.</translation>
    </message>
    <message>
        <source>Start again</source>
        <extracomment>The button that starts the program again once it has ended</extracomment>
        <translation>Mulai lagi</translation>
    </message>
</context>
</TS>
