<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>LabChart</name>
    <message>
        <source>%1 (q = %2)</source>
        <extracomment>The policy&apos;s name with its quantum, such as &quot;Round Robin (q = 2)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1   Waiting: %2   Turnaround: %3   Response: %4</source>
        <extracomment>A laboratory chart&apos;s title: the policy, then the averages of waiting, turnaround and response.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MistakeTexts</name>
    <message>
        <source>%1 baru datang pada t=%2.</source>
        <extracomment>%1 a process, %2 its arrival time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sudah selesai pada t=%2.</source>
        <extracomment>%1 a process, %2 when it completed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 hanya %2 yang siap, jadi %2 berjalan, bukan %3.</source>
        <extracomment>%1 the time, %2 the only ready process, %3 the process the student put there.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 antrean %2 (%3); kepala antrean dipilih: %4, bukan %5.</source>
        <extracomment>Round Robin. %1 time, %2 the queue from its head, %3 the rule for a newcomer at the instant a quantum runs out, %4 the head, %5 the process the student put there.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 antrean %2; kepala antrean dipilih: %3, bukan %4.</source>
        <extracomment>Round Robin. %1 time, %2 the queue from its head, %3 the head, %4 the student&apos;s process.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; sama, yang datang lebih dulu dipilih: %3, bukan %4.</source>
        <extracomment>%1 time, %2 the ready processes with their keys, %3 the chosen, %4 the student&apos;s process.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; sama dan datang bersamaan, yang lebih dulu dalam daftar dipilih: %3, bukan %4.</source>
        <extracomment>%1 time, %2 the ready processes with their keys, %3 the chosen, %4 the student&apos;s process.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; yang pertama datang dipilih: %3, bukan %4.</source>
        <extracomment>FCFS. %1 time, %2 ready list, %3 the chosen, %4 the student&apos;s process.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; burst terpendek dipilih: %3, bukan %4.</source>
        <extracomment>SJF. %1 time, %2 ready list, %3 the chosen, %4 the student&apos;s process.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; sisa terpendek dipilih: %3, bukan %4.</source>
        <extracomment>SRTF. %1 time, %2 ready list, %3 the chosen, %4 the student&apos;s process.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; prioritas tertinggi dipilih: %3, bukan %4 (%5).</source>
        <extracomment>%1 time, %2 ready list, %3 the chosen, %4 the student&apos;s process, %5 the priority order rule.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; rasio respons tertinggi dipilih: %3, bukan %4.</source>
        <extracomment>HRRN. %1 time, %2 ready list, %3 the chosen, %4 the student&apos;s process.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 %2 (%3) lebih baik dari %4 yang berjalan (%5): %4 disela, %2 berjalan, bukan %6.</source>
        <extracomment>%1 time, %2 the newcomer, %3 its key (such as &quot;sisa 1&quot;), %4 the running process, %5 its key, %6 the process the student put there.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 %2 lebih baik dari %3 yang berjalan: %3 disela, %2 berjalan, bukan %4.</source>
        <extracomment>%1 time, %2 the newcomer, %3 the running process, %4 the process the student put there.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 antrean kosong saat kuantum %2 habis: %2 tetap berjalan, bukan %3.</source>
        <extracomment>Round Robin. %1 time, %2 the process whose quantum ran out, %3 the student&apos;s process.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; jadi %2 berjalan, bukan %3.</source>
        <extracomment>%1 the laboratory&apos;s sentence of the decision, %2 the process that runs, %3 the process the student put there.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 %2 berjalan, bukan %3.</source>
        <extracomment>%1 time, %2 the process that runs, %3 the process the student put there.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences: the decision, then why the student&apos;s process was not ready.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potongan %1 berakhir pada t=%2, bukan t=%3. Keputusan pada t=%3: %4.</source>
        <extracomment>%1 the process of the piece, %2 where it ends, %3 where the student ended it, %4 the laboratory&apos;s sentence of the decision that kept it running then.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potongan %1 berakhir pada t=%2, bukan t=%3: tidak ada yang menyela, %1 berjalan sampai selesai pada t=%2.</source>
        <extracomment>%1 the process, %2 when it completes, %3 where the student ended its piece.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potongan %1 berakhir pada t=%2, bukan t=%3. Keputusan saat itu: %4.</source>
        <extracomment>%1 the process of the piece, %2 where it ends, %3 where the student ended it, %4 the laboratory&apos;s sentence of the decision taken at that instant.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potongan %1 berakhir pada t=%2, bukan t=%3: pada t=%2 %1 selesai.</source>
        <extracomment>%1 the process, %2 when it completes, %3 where the student ended its piece.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potongan %1 berakhir pada t=%2, bukan t=%3.</source>
        <extracomment>%1 the process of the piece, %2 where it ends, %3 where the student ended it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: tidak ada proses siap, CPU idle</source>
        <extracomment>%1 the time the processor idles from.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, bukan menjalankan %2.</source>
        <extracomment>%1 the laboratory&apos;s sentence of the idle time, %2 the process the student ran there.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 CPU tidak idle: ada proses yang siap. Keputusan saat itu: %2.</source>
        <extracomment>%1 time, %2 the laboratory&apos;s sentence of the decision at that instant.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 CPU tidak idle: %2 sudah siap dan berjalan.</source>
        <extracomment>%1 time, %2 the process that runs then.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 CPU berganti ke %2: context switch dulu sampai t=%3 (%4).</source>
        <extracomment>%1 time, %2 the process being loaded, %3 when the switch ends, %4 the switch rule in words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 tidak ada context switch: biaya context switch soal ini 0.</source>
        <extracomment>%1 time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pada t=%1 tidak ada context switch: switch hanya terjadi saat CPU langsung berganti dari satu proses ke proses lain.</source>
        <extracomment>%1 time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lainnya</source>
        <extracomment>%1 how many more processes were ready than are listed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dan %2</source>
        <extracomment>The end of a list: %1 the items before the last, joined by commas, %2 the last item.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jadwal berhenti pada t=%1, padahal CPU masih bekerja sampai t=%2.</source>
        <extracomment>%1 where the student&apos;s schedule stops, %2 where the solution&apos;s ends.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jadwal masih berlanjut setelah t=%1, padahal semua proses sudah selesai pada t=%1.</source>
        <extracomment>%1 when the last process completes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>benar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>salah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>salah karena jadwal</source>
        <extracomment>A wrong number that is what the student&apos;s own (wrong) schedule gives.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>belum dijawab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2 benar</source>
        <extracomment>The score of a checked answer: %1 right of %2.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Latihan Penjadwalan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algoritma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acak</source>
        <extracomment>The policy of a new exercise drawn at random.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumlah proses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tingkat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menengah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lanjut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soal &amp;Baru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Membuat soal baru dengan algoritma, jumlah proses dan tingkat terpilih</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kode soal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketik kode soal lalu Enter untuk membuka soal itu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bu&amp;ka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Membuka soal dari kodenya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabel soal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aturan yang berlaku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jadwal CPU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potongan jadwal, misalnya P1 0-4, P2 4-7, idle 7-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P1 0-4, P2 4-7, idle 7-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hapus Terakhir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menghapus potongan terakhir di grid (Backspace)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabel jawaban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ketik waktu selesai, turnaround, waiting dan response tiap proses, lalu rata-ratanya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Periksa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memeriksa jawaban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tunjukkan Jawaban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menampilkan penyelesaian lengkap; jawaban Anda tetap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buka di &amp;Laboratorium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Membuka soal ini di jendela Laboratorium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cetak Lembar Kerja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Membuat lembar kerja dan kunci jawaban untuk satu kelas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;utup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menutup jendela Latihan (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hasil pemeriksaan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potongan jadwal yang diperiksa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penyelesaian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gantt Chart penyelesaian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabel penyelesaian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Algoritma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumlah p&amp;roses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ingkat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K&amp;ode soal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jawaban Anda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jadwal CPU (misalnya P1 0-4, P2 4-7, idle 7-9):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atau pilih proses, lalu klik sel tempat potongannya berakhir:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Waktu tiap proses dan rata-ratanya:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jawaban yang sudah Anda ketik akan dibuang. Lanjutkan?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; bukan kode soal. Contoh kode: RR4-7M-K3PX9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quantum %1</source>
        <extracomment>%1 the round robin quantum.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>angka prioritas besar didahulukan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>angka prioritas kecil didahulukan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>context switch %1</source>
        <extracomment>%1 the context switch cost in time units.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soal %1 (tingkat %2): %3</source>
        <extracomment>The exercise&apos;s heading: %1 its code, %2 its level, %3 the policy and its settings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prioritas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aturan yang berlaku:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potongan berikutnya: %1</source>
        <extracomment>%1 a process: its chip chooses it for the next piece on the grid.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potongan berikutnya: CPU idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potongan berikutnya: context switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pilih proses, idle atau switch untuk potongan berikutnya.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potongan berikutnya: %1 mulai t=%2; klik sel tempat potongan itu berakhir.</source>
        <extracomment>%1 the chosen piece, %2 where it starts.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>potongan kosong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nama proses tidak dikenal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waktu tidak terbaca (tulis awal-akhir, misalnya 0-4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>akhir harus sesudah awal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potongan %1 (&quot;%2&quot;): %3</source>
        <extracomment>A typed schedule that cannot be read: %1 the piece&apos;s number, %2 the piece, %3 what is wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jadwal hanya terbaca sampai sebelum potongan %1.</source>
        <extracomment>%1 the number of the first piece of the typed schedule that cannot be read.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jadwal CPU belum diisi: ketik potongannya atau susun di grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jadwal benar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angka bertanda %1 (salah karena jadwal) sesuai dengan jadwal Anda sendiri: perbaiki jadwalnya dulu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angka bertanda %1 salah, juga menurut jadwal Anda sendiri.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A checked piece of the schedule: %1 its mark&apos;s symbol, %2 the piece.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A checked piece for screen readers: %1 the piece, %2 its mark in words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jadwal: %1</source>
        <extracomment>The solution&apos;s processor row: %1 its pieces.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selesai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turnaround</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rata-rata</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>Tidak ada proses siap: CPU idle sampai proses berikutnya datang</source>
        <extracomment>A scheduling rule: with no process ready the processor waits for the next arrival.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proses yang datang tepat saat CPU bebas ikut dipilih</source>
        <extracomment>A scheduling rule: a process arriving as the processor becomes free is a candidate.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nilai sama: yang datang lebih dulu (waktu datang asli), lalu urutan daftar</source>
        <extracomment>A scheduling rule: how equal keys (burst, remaining time, priority, ratio) are settled.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proses baru menyela hanya jika lebih baik; jika sama, yang berjalan tetap berjalan</source>
        <extracomment>A scheduling rule of SRTF and preemptive priority.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angka prioritas lebih kecil = prioritas lebih tinggi</source>
        <extracomment>A scheduling rule: the default priority order.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angka prioritas lebih besar = prioritas lebih tinggi</source>
        <extracomment>A scheduling rule: the other priority order.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satu antrean FIFO: proses baru dan proses yang kuantumnya habis masuk di ekor antrean</source>
        <extracomment>Round Robin: &quot;ekor&quot; is the tail of the queue.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proses baru yang datang tepat saat kuantum habis masuk antrean lebih dulu</source>
        <extracomment>Round Robin: who queues first when a newcomer arrives as a quantum runs out.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proses yang kuantumnya habis masuk antrean sebelum proses baru yang datang saat itu</source>
        <extracomment>Round Robin: the other answer to who queues first.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proses yang selesai sebelum kuantumnya habis langsung melepas CPU</source>
        <extracomment>Round Robin: a process that finishes early.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antrean kosong saat kuantum habis: proses yang sama tetap berjalan</source>
        <extracomment>Round Robin: the only ready process goes on without a switch.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rasio respons tertinggi dipilih: (waiting + burst) / burst</source>
        <extracomment>HRRN: the response ratio of a ready process.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setiap pergantian proses memakan waktu context switch</source>
        <extracomment>A scheduling rule: dispatcher time on each change of process.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setiap pergantian proses: context switch %1 satuan waktu</source>
        <extracomment>%1 is the switch cost in time units.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a rule&apos;s description, %2 its short name such as tie-arrival-then-list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SchedulingLab</name>
    <message>
        <source>File CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semua file (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impor Proses dari CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ekspor Proses ke CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gambar PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gambar SVG (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simpan Gambar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laboratorium Penjadwalan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabel proses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert menambah baris, Delete menghapus baris terpilih, Ctrl+V menempel baris dari spreadsheet atau CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta&amp;mbah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menambah satu proses (Insert)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ha&amp;pus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menghapus proses terpilih (Delete)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Impor CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Membaca proses dari file CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ekspor CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menyimpan proses ke file CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Acak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Membuat proses acak dari seed di sebelahnya; seed yang sama memberi proses yang sama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumlah proses acak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algoritma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Urutan prioritas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angka kecil = prioritas tinggi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angka besar = prioritas tinggi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aturan Round Robin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yang baru datang masuk antrean dulu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yang kuantumnya habis masuk antrean dulu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Siapa masuk antrean lebih dulu bila proses baru datang tepat saat kuantum habis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biaya context switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hitung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menjadwalkan proses dengan algoritma dan pengaturan ini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bandingkan semua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menjadwalkan proses yang sama dengan ketujuh algoritma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tutup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menutup laboratorium (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hasil per proses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angka hasil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gantt Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perbesar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memperbesar skala waktu (Ctrl++)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perkecil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memperkecil skala waktu (Ctrl+-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas lebar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seluruh jadwal selebar jendela (Ctrl+0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menyalin gambar chart ke clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simpan &amp;Gambar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menyimpan gambar chart sebagai PNG atau SVG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See&amp;d:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jumlah:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pengaturan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;lgoritma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quantum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Urutan prioritas:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aturan &amp;Round Robin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biaya &amp;context switch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aturan yang berlaku:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aturan yang berlaku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hasil perhitungan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hasil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandingkan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Langkah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabel sudah berisi %1 proses, jumlah terbanyak.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hanya %1 baris yang ditempel: tabel paling banyak berisi %2 proses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 tidak dapat dibuka: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>baris judul harus name,arrival,burst atau name,arrival,burst,priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jumlah kolomnya tidak sama dengan baris judul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tanda kutipnya tidak tertutup dengan benar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kolom %1: %2</source>
        <extracomment>A bad value in a CSV line: the column, then what is wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tidak ada proses di bawah baris judul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lebih dari %1 proses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 ditolak, baris %2: %3. Tabel tidak diubah.</source>
        <extracomment>A refused import: the file, the line (counted from 1, the header is line 1) and why.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 tidak dapat disimpan: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>isinya kosong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tidak boleh negatif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>harus bilangan bulat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>terlalu besar, paling besar %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>burst paling sedikit 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nama &quot;%1&quot; sudah dipakai di baris %2</source>
        <extracomment>A name used twice: the name and the row that has it first.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabel proses kosong: tambahkan paling sedikit satu proses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terlalu banyak proses: paling banyak %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumlah semua burst terlalu besar untuk dijadwalkan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baris %1, kolom %2: %3.</source>
        <extracomment>The one message of a bad cell: its row (from 1), its column and what is wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jadwal ini terlalu panjang untuk jam penjadwal: tidak dihitung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proses ini tidak dapat dijadwalkan: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilisasi CPU: %1%   Throughput: %2 proses per satuan waktu   Context switch: %3   Selesai terakhir: %4</source>
        <extracomment>The figures of a run: utilisation in percent, throughput, context switches, last completion.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gambar tidak dapat disimpan di %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StepTexts</name>
    <message>
        <source>, </source>
        <extracomment>The separator between the processes of a list, as in &quot;P1 (burst 2), P2 (burst 3)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 … dan %2 lainnya</source>
        <extracomment>%1 is the list of the first ready processes, %2 how many more were ready.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: %2 berjalan</source>
        <extracomment>%1 is the time, %2 the process given the processor.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: antrean %2; kepala antrean: %3</source>
        <extracomment>Round Robin. %1 is the time, %2 the ready queue from its head, %3 the head.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: siap %2; sama, yang datang lebih dulu: %3</source>
        <extracomment>Equal keys settled by the earlier arrival. %1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: siap %2; sama, datang bersamaan, urutan daftar lebih dulu: %3</source>
        <extracomment>Equal keys and equal arrivals settled by the place in the list. %1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: siap %2; pertama datang: %3</source>
        <extracomment>FCFS. %1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: siap %2; terpendek: %3</source>
        <extracomment>SJF. %1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: siap %2; sisa terpendek: %3</source>
        <extracomment>SRTF. %1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: siap %2; prioritas tertinggi: %3</source>
        <extracomment>%1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: siap %2; rasio tertinggi: %3</source>
        <extracomment>HRRN. %1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 yang baru dimuat</source>
        <extracomment>A process whose context switch has just ended, before it ran: %1 its name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 yang berjalan</source>
        <extracomment>The process running on the processor: %1 its name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: %2 (%3) lebih baik dari %4 (%5): %6 disela; sama, yang datang lebih dulu: %2 berjalan</source>
        <extracomment>Newcomers as good as each other: the earlier arrival takes the processor. %1 time, %2 the newcomer, %3 its key, %4 &quot;P1 yang berjalan&quot;, %5 its key, %6 the running process&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: %2 (%3) lebih baik dari %4 (%5): %6 disela; sama, datang bersamaan, urutan daftar lebih dulu: %2 berjalan</source>
        <extracomment>Newcomers as good as each other that arrived together: the earlier place in the list takes the processor. %1 time, %2 the newcomer, %3 its key, %4 &quot;P1 yang berjalan&quot;, %5 its key, %6 the running process&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: %2 (%3) lebih baik dari %4 (%5): %6 disela, %2 berjalan</source>
        <extracomment>%1 time, %2 the newcomer, %3 its key (such as &quot;sisa 1&quot;), %4 &quot;P1 yang berjalan&quot;, %5 its key, %6 the running process&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: %2 lebih baik dari %3: %4 disela, %2 berjalan</source>
        <extracomment>%1 time, %2 the newcomer, %3 &quot;P1 yang berjalan&quot;, %4 the running process&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: %2 (%3) sama dengan %4 (%5): %6 tetap berjalan</source>
        <extracomment>%1 time, %2 the newcomer, %3 its key (such as &quot;sisa 2&quot;), %4 &quot;P1 yang berjalan&quot;, %5 its key, %6 the running process&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: %2 sama dengan %3: %4 tetap berjalan</source>
        <extracomment>%1 time, %2 the newcomer, %3 &quot;P1 yang berjalan&quot;, %4 the running process&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: %2 tetap berjalan</source>
        <extracomment>%1 time, %2 the running process.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>datang %1</source>
        <extracomment>FCFS: a ready process&apos;s arrival time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>burst %1</source>
        <extracomment>SJF: a ready process&apos;s burst time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sisa %1</source>
        <extracomment>SRTF: the time a process still has to run.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prioritas %1</source>
        <extracomment>A ready process&apos;s priority number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rasio (%1+%2)/%2 = %3</source>
        <extracomment>HRRN: %1 the time waited, %2 the burst, %3 the ratio (waited + burst) / burst.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A ready process and its key: %1 the name, %2 the key, such as &quot;P2 (burst 3)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1: antrean kosong saat kuantum habis: %2 tetap berjalan</source>
        <extracomment>Round Robin. %1 the time, %2 the process that goes on.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, lalu context switch %2 satuan waktu</source>
        <extracomment>%1 is a decision&apos;s sentence, %2 the length of the context switch that follows it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t=%1-%2: tidak ada proses siap, CPU idle</source>
        <extracomment>%1 and %2 are the start and the end of the time the processor idles.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Tidak ada varian untuk ditulis ke %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 tidak dapat ditulis: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lembar Kerja Penjadwalan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kunci Jawaban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dokumen PDF tidak dapat dimulai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>halaman baru tidak dapat dimulai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dokumen PDF tidak dapat diselesaikan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kode kelas harus terdiri dari huruf dan angka saja, 1 sampai %1 karakter.</source>
        <extracomment>%1 is the longest class code allowed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumlah varian harus %1 sampai %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumlah proses harus %1 sampai %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelas %1, varian %2 dari %3</source>
        <extracomment>Above a worksheet: the class code, the variant&apos;s number and how many the class has.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder %1 tidak ada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, quantum = %2</source>
        <extracomment>The policy with its quantum: &quot;Round Robin, quantum = 3&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menengah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lanjut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prioritas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selesai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turnaround</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rata-rata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nama:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kode soal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algoritma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tingkat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aturan penjadwalan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabel proses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gantt Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gambarkan jadwal CPU pada kisi ini; satu kotak adalah satu satuan waktu. Tandai waktu idle dan context switch bila ada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabel jawaban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Urutan CPU: %1</source>
        <extracomment>%1 is the processor&apos;s pieces in time order, such as &quot;P1 0-4, P2 4-7, idle 7-9&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Context switch: %1 kali, masing-masing %2 satuan waktu</source>
        <extracomment>%1 is how many context switches the run has, %2 their cost in time units each.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tidak ada printer default: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tidak ada tempat untuk file cetak: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer menolak pekerjaan cetak: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>Folder untuk Lembar Kerja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cetak Lembar Kerja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kode kelas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Huruf dan angka saja, misalnya TI2A; kode kelas dan nomor varian menentukan kode soal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumlah varian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algoritma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acak</source>
        <extracomment>The policy choice that lets every variant draw its own policy.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumlah proses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tingkat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dasar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menengah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lanjut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tujuan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF</source>
        <extracomment>Destination: two PDF files, the worksheets and the answer key, in a folder.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer</source>
        <extracomment>Destination: the worksheets on the default printer.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Buat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Membuat lembar kerja dan kunci jawaban (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ba&amp;tal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menutup tanpa membuat apa pun (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kode kelas:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumlah &amp;varian:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Algoritma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumlah &amp;proses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ingkat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ujuan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF: lembar kerja dan kunci jawaban disimpan sebagai dua file di folder yang dipilih. Printer: lembar kerja dicetak di printer default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lembar kerja tidak dapat disimpan. %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lembar kerja tersimpan di %2 dan kunci jawabannya di %3.</source>
        <extracomment>%1 is how many variants, %2 the worksheets&apos; file, %3 the answer key&apos;s file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lembar kerja tidak dapat dicetak. %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lembar kerja kelas %2 dikirim ke printer %3 (pekerjaan %4).</source>
        <extracomment>%1 is how many worksheets, %2 the class, %3 the printer&apos;s queue, %4 the job&apos;s number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>labui::ComparisonModel</name>
    <message>
        <source>%1 (q = %2)</source>
        <extracomment>A policy with its quantum, such as &quot;Round Robin (q = 2)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2 = %3%</source>
        <extracomment>Utilisation as a fraction and a percentage: %1 the bursts, %2 the span, %3 the percentage, such as &quot;24/26 = 92.31%&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ★</source>
        <extracomment>A column&apos;s best value in the comparison: %1 the value, followed by a star.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (terbaik)</source>
        <extracomment>A column&apos;s best value as a screen reader reads it: %1 the value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>terbaik</source>
        <extracomment>Said of a column&apos;s best value in the comparison.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algoritma</source>
        <extracomment>Column headers of the comparison; their tool tips say which way is better.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rata-rata waiting time; terkecil terbaik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rata-rata Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rata-rata turnaround time; terkecil terbaik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rata-rata Turnaround</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rata-rata response time; terkecil terbaik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rata-rata Response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumlah burst / rentang waktu; terbesar terbaik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utilisasi CPU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proses per satuan waktu; terbesar terbaik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throughput</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banyaknya context switch; terkecil terbaik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Context Switch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>labui::ComparisonView</name>
    <message>
        <source>Perbandingan algoritma</source>
        <extracomment>The table comparing the seven policies.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>★ = terbaik: waktu rata-rata dan context switch terkecil, utilisasi dan throughput terbesar. Nilai yang sama semuanya ditandai.</source>
        <extracomment>Under the comparison: what the star means.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gantt Chart setiap algoritma</source>
        <extracomment>The scrolling area with one small Gantt chart per policy.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>labui::ProcessTableModel</name>
    <message>
        <source>Proses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prioritas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A cell as a screen reader reads it: the column, then the text.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salah: %1</source>
        <extracomment>A marked cell for screen readers: what is wrong with it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>labui::ResultTableModel</name>
    <message>
        <source>Proses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prioritas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selesai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turnaround</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rata-rata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A result cell as a screen reader reads it: the column, then the value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>labui::StepsModel</name>
    <message>
        <source>Aturan:
%1</source>
        <extracomment>Above the rules that settled a step of the schedule, one per line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>labui::StepsView</name>
    <message>
        <source>Langkah</source>
        <extracomment>The list of the schedule&apos;s decisions as sentences.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keputusan penjadwal menurut waktu; pilih satu untuk menandai waktunya di Gantt Chart</source>
        <extracomment>What the steps list holds, for screen readers.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>practiceui::AnswerTableModel</name>
    <message>
        <source>Proses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selesai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turnaround</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rata-rata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A checked cell: %1 the number as typed, %2 its mark&apos;s symbol.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>salah: bukan angka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kosong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: %3, %4</source>
        <extracomment>A checked cell for screen readers: %1 the process, %2 the column, %3 the typed number, %4 its mark in words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <extracomment>A cell for screen readers: %1 the process, %2 the column, %3 the typed number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>practiceui::ScheduleGrid</name>
    <message>
        <source>Grid jadwal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2-%3</source>
        <extracomment>A piece of the grid: %1 its name, %2 its start, %3 its end.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A checked piece: %1 the piece, %2 its mark in words.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>belum ada potongan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pilih proses, idle atau switch untuk potongan berikutnya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>potongan berikutnya: %1 mulai t=%2</source>
        <extracomment>%1 the chosen piece&apos;s name, %2 where it will start.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The grid for screen readers: %1 the pieces laid, %2 the next piece.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
