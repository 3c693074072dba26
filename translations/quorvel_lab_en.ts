<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>LabChart</name>
    <message>
        <source>%1 (q = %2)</source>
        <extracomment>The policy&apos;s name with its quantum, such as &quot;Round Robin (q = 2)&quot;.</extracomment>
        <translation>%1 (q = %2)</translation>
    </message>
    <message>
        <source>%1   Waiting: %2   Turnaround: %3   Response: %4</source>
        <extracomment>A laboratory chart&apos;s title: the policy, then the averages of waiting, turnaround and response.</extracomment>
        <translation>%1   Waiting: %2   Turnaround: %3   Response: %4</translation>
    </message>
</context>
<context>
    <name>MistakeTexts</name>
    <message>
        <source>%1 baru datang pada t=%2.</source>
        <extracomment>%1 a process, %2 its arrival time.</extracomment>
        <translation>%1 only arrives at t=%2.</translation>
    </message>
    <message>
        <source>%1 sudah selesai pada t=%2.</source>
        <extracomment>%1 a process, %2 when it completed.</extracomment>
        <translation>%1 has already finished at t=%2.</translation>
    </message>
    <message>
        <source>Pada t=%1 hanya %2 yang siap, jadi %2 berjalan, bukan %3.</source>
        <extracomment>%1 the time, %2 the only ready process, %3 the process the student put there.</extracomment>
        <translation>At t=%1 only %2 is ready, so %2 runs, not %3.</translation>
    </message>
    <message>
        <source>Pada t=%1 antrean %2 (%3); kepala antrean dipilih: %4, bukan %5.</source>
        <extracomment>Round Robin. %1 time, %2 the queue from its head, %3 the rule for a newcomer at the instant a quantum runs out, %4 the head, %5 the process the student put there.</extracomment>
        <translation>At t=%1 the queue is %2 (%3); the head of the queue is chosen: %4, not %5.</translation>
    </message>
    <message>
        <source>Pada t=%1 antrean %2; kepala antrean dipilih: %3, bukan %4.</source>
        <extracomment>Round Robin. %1 time, %2 the queue from its head, %3 the head, %4 the student&apos;s process.</extracomment>
        <translation>At t=%1 the queue is %2; the head of the queue is chosen: %3, not %4.</translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; sama, yang datang lebih dulu dipilih: %3, bukan %4.</source>
        <extracomment>%1 time, %2 the ready processes with their keys, %3 the chosen, %4 the student&apos;s process.</extracomment>
        <translation>At t=%1 ready: %2; a tie, the earlier arrival is chosen: %3, not %4.</translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; sama dan datang bersamaan, yang lebih dulu dalam daftar dipilih: %3, bukan %4.</source>
        <extracomment>%1 time, %2 the ready processes with their keys, %3 the chosen, %4 the student&apos;s process.</extracomment>
        <translation>At t=%1 ready: %2; a tie with equal arrivals, the one earlier in the list is chosen: %3, not %4.</translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; yang pertama datang dipilih: %3, bukan %4.</source>
        <extracomment>FCFS. %1 time, %2 ready list, %3 the chosen, %4 the student&apos;s process.</extracomment>
        <translation>At t=%1 ready: %2; the first to arrive is chosen: %3, not %4.</translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; burst terpendek dipilih: %3, bukan %4.</source>
        <extracomment>SJF. %1 time, %2 ready list, %3 the chosen, %4 the student&apos;s process.</extracomment>
        <translation>At t=%1 ready: %2; the shortest burst is chosen: %3, not %4.</translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; sisa terpendek dipilih: %3, bukan %4.</source>
        <extracomment>SRTF. %1 time, %2 ready list, %3 the chosen, %4 the student&apos;s process.</extracomment>
        <translation>At t=%1 ready: %2; the shortest remaining time is chosen: %3, not %4.</translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; prioritas tertinggi dipilih: %3, bukan %4 (%5).</source>
        <extracomment>%1 time, %2 ready list, %3 the chosen, %4 the student&apos;s process, %5 the priority order rule.</extracomment>
        <translation>At t=%1 ready: %2; the highest priority is chosen: %3, not %4 (%5).</translation>
    </message>
    <message>
        <source>Pada t=%1 siap %2; rasio respons tertinggi dipilih: %3, bukan %4.</source>
        <extracomment>HRRN. %1 time, %2 ready list, %3 the chosen, %4 the student&apos;s process.</extracomment>
        <translation>At t=%1 ready: %2; the highest response ratio is chosen: %3, not %4.</translation>
    </message>
    <message>
        <source>Pada t=%1 %2 (%3) lebih baik dari %4 yang berjalan (%5): %4 disela, %2 berjalan, bukan %6.</source>
        <extracomment>%1 time, %2 the newcomer, %3 its key (such as &quot;sisa 1&quot;), %4 the running process, %5 its key, %6 the process the student put there.</extracomment>
        <translation>At t=%1 %2 (%3) is better than the running %4 (%5): %4 is preempted, %2 runs, not %6.</translation>
    </message>
    <message>
        <source>Pada t=%1 %2 lebih baik dari %3 yang berjalan: %3 disela, %2 berjalan, bukan %4.</source>
        <extracomment>%1 time, %2 the newcomer, %3 the running process, %4 the process the student put there.</extracomment>
        <translation>At t=%1 %2 is better than the running %3: %3 is preempted, %2 runs, not %4.</translation>
    </message>
    <message>
        <source>Pada t=%1 antrean kosong saat kuantum %2 habis: %2 tetap berjalan, bukan %3.</source>
        <extracomment>Round Robin. %1 time, %2 the process whose quantum ran out, %3 the student&apos;s process.</extracomment>
        <translation>At t=%1 the queue is empty when the quantum of %2 runs out: %2 keeps running, not %3.</translation>
    </message>
    <message>
        <source>%1; jadi %2 berjalan, bukan %3.</source>
        <extracomment>%1 the laboratory&apos;s sentence of the decision, %2 the process that runs, %3 the process the student put there.</extracomment>
        <translation>%1; so %2 runs, not %3.</translation>
    </message>
    <message>
        <source>Pada t=%1 %2 berjalan, bukan %3.</source>
        <extracomment>%1 time, %2 the process that runs, %3 the process the student put there.</extracomment>
        <translation>At t=%1 %2 runs, not %3.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences: the decision, then why the student&apos;s process was not ready.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>idle</source>
        <translation>idle</translation>
    </message>
    <message>
        <source>Potongan %1 berakhir pada t=%2, bukan t=%3. Keputusan pada t=%3: %4.</source>
        <extracomment>%1 the process of the piece, %2 where it ends, %3 where the student ended it, %4 the laboratory&apos;s sentence of the decision that kept it running then.</extracomment>
        <translation>The piece of %1 ends at t=%2, not t=%3. The decision at t=%3: %4.</translation>
    </message>
    <message>
        <source>Potongan %1 berakhir pada t=%2, bukan t=%3: tidak ada yang menyela, %1 berjalan sampai selesai pada t=%2.</source>
        <extracomment>%1 the process, %2 when it completes, %3 where the student ended its piece.</extracomment>
        <translation>The piece of %1 ends at t=%2, not t=%3: nothing preempts it, %1 runs until it finishes at t=%2.</translation>
    </message>
    <message>
        <source>Potongan %1 berakhir pada t=%2, bukan t=%3. Keputusan saat itu: %4.</source>
        <extracomment>%1 the process of the piece, %2 where it ends, %3 where the student ended it, %4 the laboratory&apos;s sentence of the decision taken at that instant.</extracomment>
        <translation>The piece of %1 ends at t=%2, not t=%3. The decision then: %4.</translation>
    </message>
    <message>
        <source>Potongan %1 berakhir pada t=%2, bukan t=%3: pada t=%2 %1 selesai.</source>
        <extracomment>%1 the process, %2 when it completes, %3 where the student ended its piece.</extracomment>
        <translation>The piece of %1 ends at t=%2, not t=%3: at t=%2 %1 finishes.</translation>
    </message>
    <message>
        <source>Potongan %1 berakhir pada t=%2, bukan t=%3.</source>
        <extracomment>%1 the process of the piece, %2 where it ends, %3 where the student ended it.</extracomment>
        <translation>The piece of %1 ends at t=%2, not t=%3.</translation>
    </message>
    <message>
        <source>t=%1: tidak ada proses siap, CPU idle</source>
        <extracomment>%1 the time the processor idles from.</extracomment>
        <translation>t=%1: no process is ready, the CPU is idle</translation>
    </message>
    <message>
        <source>%1, bukan menjalankan %2.</source>
        <extracomment>%1 the laboratory&apos;s sentence of the idle time, %2 the process the student ran there.</extracomment>
        <translation>%1, instead of running %2.</translation>
    </message>
    <message>
        <source>Pada t=%1 CPU tidak idle: ada proses yang siap. Keputusan saat itu: %2.</source>
        <extracomment>%1 time, %2 the laboratory&apos;s sentence of the decision at that instant.</extracomment>
        <translation>At t=%1 the CPU is not idle: a process is ready. The decision then: %2.</translation>
    </message>
    <message>
        <source>Pada t=%1 CPU tidak idle: %2 sudah siap dan berjalan.</source>
        <extracomment>%1 time, %2 the process that runs then.</extracomment>
        <translation>At t=%1 the CPU is not idle: %2 is ready and runs.</translation>
    </message>
    <message>
        <source>Pada t=%1 CPU berganti ke %2: context switch dulu sampai t=%3 (%4).</source>
        <extracomment>%1 time, %2 the process being loaded, %3 when the switch ends, %4 the switch rule in words.</extracomment>
        <translation>At t=%1 the CPU changes to %2: first a context switch until t=%3 (%4).</translation>
    </message>
    <message>
        <source>Pada t=%1 tidak ada context switch: biaya context switch soal ini 0.</source>
        <extracomment>%1 time.</extracomment>
        <translation>At t=%1 there is no context switch: this exercise&apos;s context switch cost is 0.</translation>
    </message>
    <message>
        <source>Pada t=%1 tidak ada context switch: switch hanya terjadi saat CPU langsung berganti dari satu proses ke proses lain.</source>
        <extracomment>%1 time.</extracomment>
        <translation>At t=%1 there is no context switch: a switch happens only when the CPU changes straight from one process to another.</translation>
    </message>
    <message>
        <source>%1 lainnya</source>
        <extracomment>%1 how many more processes were ready than are listed.</extracomment>
        <translation>%1 more</translation>
    </message>
    <message>
        <source>%1 dan %2</source>
        <extracomment>The end of a list: %1 the items before the last, joined by commas, %2 the last item.</extracomment>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Jadwal berhenti pada t=%1, padahal CPU masih bekerja sampai t=%2.</source>
        <extracomment>%1 where the student&apos;s schedule stops, %2 where the solution&apos;s ends.</extracomment>
        <translation>The schedule stops at t=%1, but the CPU is still working until t=%2.</translation>
    </message>
    <message>
        <source>Jadwal masih berlanjut setelah t=%1, padahal semua proses sudah selesai pada t=%1.</source>
        <extracomment>%1 when the last process completes.</extracomment>
        <translation>The schedule goes on after t=%1, but every process has finished at t=%1.</translation>
    </message>
    <message>
        <source>benar</source>
        <translation>right</translation>
    </message>
    <message>
        <source>salah</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>salah karena jadwal</source>
        <extracomment>A wrong number that is what the student&apos;s own (wrong) schedule gives.</extracomment>
        <translation>wrong because of the schedule</translation>
    </message>
    <message>
        <source>belum dijawab</source>
        <translation>not answered</translation>
    </message>
    <message>
        <source>%1/%2 benar</source>
        <extracomment>The score of a checked answer: %1 right of %2.</extracomment>
        <translation>%1/%2 right</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Latihan Penjadwalan</source>
        <translation>Scheduling Exercises</translation>
    </message>
    <message>
        <source>Algoritma</source>
        <translation>Algorithm</translation>
    </message>
    <message>
        <source>Jumlah proses</source>
        <translation>Number of processes</translation>
    </message>
    <message>
        <source>Tingkat</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Soal &amp;Baru</source>
        <translation>&amp;New Exercise</translation>
    </message>
    <message>
        <source>Membuat soal baru dengan algoritma, jumlah proses dan tingkat terpilih</source>
        <translation>Makes a new exercise with the chosen algorithm, number of processes and level</translation>
    </message>
    <message>
        <source>Kode soal</source>
        <translation>Exercise code</translation>
    </message>
    <message>
        <source>Ketik kode soal lalu Enter untuk membuka soal itu</source>
        <translation>Type an exercise code, then Enter to open that exercise</translation>
    </message>
    <message>
        <source>Bu&amp;ka</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Membuka soal dari kodenya</source>
        <translation>Opens the exercise of the code</translation>
    </message>
    <message>
        <source>Tabel soal</source>
        <translation>Exercise table</translation>
    </message>
    <message>
        <source>Aturan yang berlaku</source>
        <translation>Rules in force</translation>
    </message>
    <message>
        <source>Jadwal CPU</source>
        <translation>CPU schedule</translation>
    </message>
    <message>
        <source>Potongan jadwal, misalnya P1 0-4, P2 4-7, idle 7-9</source>
        <translation>The pieces of the schedule, for example P1 0-4, P2 4-7, idle 7-9</translation>
    </message>
    <message>
        <source>P1 0-4, P2 4-7, idle 7-9</source>
        <translation>P1 0-4, P2 4-7, idle 7-9</translation>
    </message>
    <message>
        <source>Hapus Terakhir</source>
        <translation>Undo Last</translation>
    </message>
    <message>
        <source>Menghapus potongan terakhir di grid (Backspace)</source>
        <translation>Removes the last piece on the grid (Backspace)</translation>
    </message>
    <message>
        <source>Tabel jawaban</source>
        <translation>Answer table</translation>
    </message>
    <message>
        <source>Ketik waktu selesai, turnaround, waiting dan response tiap proses, lalu rata-ratanya</source>
        <translation>Type the completion, turnaround, waiting and response time of each process, then their averages</translation>
    </message>
    <message>
        <source>&amp;Periksa</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>Memeriksa jawaban</source>
        <translation>Checks the answer</translation>
    </message>
    <message>
        <source>&amp;Tunjukkan Jawaban</source>
        <translation>&amp;Show Answer</translation>
    </message>
    <message>
        <source>Menampilkan penyelesaian lengkap; jawaban Anda tetap</source>
        <translation>Shows the full solution; your answer stays</translation>
    </message>
    <message>
        <source>Buka di &amp;Laboratorium</source>
        <translation>Open in &amp;Laboratory</translation>
    </message>
    <message>
        <source>Membuka soal ini di jendela Laboratorium</source>
        <translation>Opens this exercise in the Laboratory window</translation>
    </message>
    <message>
        <source>&amp;Cetak Lembar Kerja</source>
        <translation>&amp;Print Worksheets</translation>
    </message>
    <message>
        <source>Membuat lembar kerja dan kunci jawaban untuk satu kelas</source>
        <translation>Makes the worksheets and the answer key for a class</translation>
    </message>
    <message>
        <source>T&amp;utup</source>
        <translation>Clos&amp;e</translation>
    </message>
    <message>
        <source>Menutup jendela Latihan (Escape)</source>
        <translation>Closes the Exercises window (Escape)</translation>
    </message>
    <message>
        <source>Hasil pemeriksaan</source>
        <translation>Check result</translation>
    </message>
    <message>
        <source>Potongan jadwal yang diperiksa</source>
        <translation>The checked pieces of the schedule</translation>
    </message>
    <message>
        <source>Penyelesaian</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Gantt Chart penyelesaian</source>
        <translation>Gantt Chart of the solution</translation>
    </message>
    <message>
        <source>Tabel penyelesaian</source>
        <translation>Solution table</translation>
    </message>
    <message>
        <source>&amp;Algoritma:</source>
        <translation>&amp;Algorithm:</translation>
    </message>
    <message>
        <source>Jumlah p&amp;roses:</source>
        <translation>Number of p&amp;rocesses:</translation>
    </message>
    <message>
        <source>T&amp;ingkat:</source>
        <translation>Le&amp;vel:</translation>
    </message>
    <message>
        <source>K&amp;ode soal:</source>
        <translation>Exercise co&amp;de:</translation>
    </message>
    <message>
        <source>Soal</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Jawaban Anda</source>
        <translation>Your Answer</translation>
    </message>
    <message>
        <source>&amp;Jadwal CPU (misalnya P1 0-4, P2 4-7, idle 7-9):</source>
        <translation>CPU sc&amp;hedule (for example P1 0-4, P2 4-7, idle 7-9):</translation>
    </message>
    <message>
        <source>Atau pilih proses, lalu klik sel tempat potongannya berakhir:</source>
        <translation>Or choose a process, then click the cell where its piece ends:</translation>
    </message>
    <message>
        <source>&amp;Waktu tiap proses dan rata-ratanya:</source>
        <translation>&amp;Times of each process and their averages:</translation>
    </message>
    <message>
        <source>Jawaban yang sudah Anda ketik akan dibuang. Lanjutkan?</source>
        <translation>The answers you have typed will be discarded. Continue?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; bukan kode soal. Contoh kode: RR4-7M-K3PX9.</source>
        <translation>&quot;%1&quot; is not an exercise code. An example code: RR4-7M-K3PX9.</translation>
    </message>
    <message>
        <source>quantum %1</source>
        <extracomment>%1 the round robin quantum.</extracomment>
        <translation>quantum %1</translation>
    </message>
    <message>
        <source>angka prioritas besar didahulukan</source>
        <translation>larger priority numbers first</translation>
    </message>
    <message>
        <source>angka prioritas kecil didahulukan</source>
        <translation>smaller priority numbers first</translation>
    </message>
    <message>
        <source>context switch %1</source>
        <extracomment>%1 the context switch cost in time units.</extracomment>
        <translation>context switch %1</translation>
    </message>
    <message>
        <source>Soal %1 (tingkat %2): %3</source>
        <extracomment>The exercise&apos;s heading: %1 its code, %2 its level, %3 the policy and its settings.</extracomment>
        <translation>Exercise %1 (level %2): %3</translation>
    </message>
    <message>
        <source>Proses</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Arrival</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Burst</translation>
    </message>
    <message>
        <source>Prioritas</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Aturan yang berlaku:</source>
        <translation>Rules in force:</translation>
    </message>
    <message>
        <source>Potongan berikutnya: %1</source>
        <extracomment>%1 a process: its chip chooses it for the next piece on the grid.</extracomment>
        <translation>Next piece: %1</translation>
    </message>
    <message>
        <source>idle</source>
        <translation>idle</translation>
    </message>
    <message>
        <source>Potongan berikutnya: CPU idle</source>
        <translation>Next piece: CPU idle</translation>
    </message>
    <message>
        <source>switch</source>
        <translation>switch</translation>
    </message>
    <message>
        <source>Potongan berikutnya: context switch</source>
        <translation>Next piece: context switch</translation>
    </message>
    <message>
        <source>Pilih proses, idle atau switch untuk potongan berikutnya.</source>
        <translation>Choose a process, idle or switch for the next piece.</translation>
    </message>
    <message>
        <source>Potongan berikutnya: %1 mulai t=%2; klik sel tempat potongan itu berakhir.</source>
        <extracomment>%1 the chosen piece, %2 where it starts.</extracomment>
        <translation>Next piece: %1 from t=%2; click the cell where that piece ends.</translation>
    </message>
    <message>
        <source>potongan kosong</source>
        <translation>empty piece</translation>
    </message>
    <message>
        <source>nama proses tidak dikenal</source>
        <translation>unknown process name</translation>
    </message>
    <message>
        <source>waktu tidak terbaca (tulis awal-akhir, misalnya 0-4)</source>
        <translation>unreadable times (write start-end, for example 0-4)</translation>
    </message>
    <message>
        <source>akhir harus sesudah awal</source>
        <translation>the end must come after the start</translation>
    </message>
    <message>
        <source>Potongan %1 (&quot;%2&quot;): %3</source>
        <extracomment>A typed schedule that cannot be read: %1 the piece&apos;s number, %2 the piece, %3 what is wrong.</extracomment>
        <translation>Piece %1 (&quot;%2&quot;): %3</translation>
    </message>
    <message>
        <source>Jadwal hanya terbaca sampai sebelum potongan %1.</source>
        <extracomment>%1 the number of the first piece of the typed schedule that cannot be read.</extracomment>
        <translation>The schedule could only be read up to piece %1.</translation>
    </message>
    <message>
        <source>Jadwal CPU belum diisi: ketik potongannya atau susun di grid.</source>
        <translation>The CPU schedule is empty: type its pieces or lay them on the grid.</translation>
    </message>
    <message>
        <source>Jadwal benar.</source>
        <translation>The schedule is right.</translation>
    </message>
    <message>
        <source>Angka bertanda %1 (salah karena jadwal) sesuai dengan jadwal Anda sendiri: perbaiki jadwalnya dulu.</source>
        <translation>Numbers marked %1 (wrong because of the schedule) agree with your own schedule: correct the schedule first.</translation>
    </message>
    <message>
        <source>Angka bertanda %1 salah, juga menurut jadwal Anda sendiri.</source>
        <translation>Numbers marked %1 are wrong, by your own schedule too.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A checked piece of the schedule: %1 its mark&apos;s symbol, %2 the piece.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A checked piece for screen readers: %1 the piece, %2 its mark in words.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Jadwal: %1</source>
        <extracomment>The solution&apos;s processor row: %1 its pieces.</extracomment>
        <translation>Schedule: %1</translation>
    </message>
    <message>
        <source>Selesai</source>
        <translation>Completion</translation>
    </message>
    <message>
        <source>Turnaround</source>
        <translation>Turnaround</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Response</translation>
    </message>
    <message>
        <source>Rata-rata</source>
        <translation>Average</translation>
    </message>
</context>
<context>
    <name>RuleTexts</name>
    <message>
        <source>Tidak ada proses siap: CPU idle sampai proses berikutnya datang</source>
        <extracomment>A scheduling rule: with no process ready the processor waits for the next arrival.</extracomment>
        <translation>No process is ready: the CPU idles until the next process arrives</translation>
    </message>
    <message>
        <source>Proses yang datang tepat saat CPU bebas ikut dipilih</source>
        <extracomment>A scheduling rule: a process arriving as the processor becomes free is a candidate.</extracomment>
        <translation>A process arriving just as the CPU becomes free is a candidate too</translation>
    </message>
    <message>
        <source>Nilai sama: yang datang lebih dulu (waktu datang asli), lalu urutan daftar</source>
        <extracomment>A scheduling rule: how equal keys (burst, remaining time, priority, ratio) are settled.</extracomment>
        <translation>Equal values: the earlier arrival (original arrival time), then the order of the list</translation>
    </message>
    <message>
        <source>Proses baru menyela hanya jika lebih baik; jika sama, yang berjalan tetap berjalan</source>
        <extracomment>A scheduling rule of SRTF and preemptive priority.</extracomment>
        <translation>A new process preempts only when it is better; when equal, the running process keeps running</translation>
    </message>
    <message>
        <source>Angka prioritas lebih kecil = prioritas lebih tinggi</source>
        <extracomment>A scheduling rule: the default priority order.</extracomment>
        <translation>A smaller priority number = a higher priority</translation>
    </message>
    <message>
        <source>Angka prioritas lebih besar = prioritas lebih tinggi</source>
        <extracomment>A scheduling rule: the other priority order.</extracomment>
        <translation>A larger priority number = a higher priority</translation>
    </message>
    <message>
        <source>Satu antrean FIFO: proses baru dan proses yang kuantumnya habis masuk di ekor antrean</source>
        <extracomment>Round Robin: &quot;ekor&quot; is the tail of the queue.</extracomment>
        <translation>One FIFO queue: new processes and processes whose quantum ran out join at the tail of the queue</translation>
    </message>
    <message>
        <source>Proses baru yang datang tepat saat kuantum habis masuk antrean lebih dulu</source>
        <extracomment>Round Robin: who queues first when a newcomer arrives as a quantum runs out.</extracomment>
        <translation>A new process arriving just as a quantum runs out joins the queue first</translation>
    </message>
    <message>
        <source>Proses yang kuantumnya habis masuk antrean sebelum proses baru yang datang saat itu</source>
        <extracomment>Round Robin: the other answer to who queues first.</extracomment>
        <translation>The process whose quantum ran out joins the queue before a new process arriving then</translation>
    </message>
    <message>
        <source>Proses yang selesai sebelum kuantumnya habis langsung melepas CPU</source>
        <extracomment>Round Robin: a process that finishes early.</extracomment>
        <translation>A process that finishes before its quantum runs out releases the CPU at once</translation>
    </message>
    <message>
        <source>Antrean kosong saat kuantum habis: proses yang sama tetap berjalan</source>
        <extracomment>Round Robin: the only ready process goes on without a switch.</extracomment>
        <translation>The queue is empty when the quantum runs out: the same process keeps running</translation>
    </message>
    <message>
        <source>Rasio respons tertinggi dipilih: (waiting + burst) / burst</source>
        <extracomment>HRRN: the response ratio of a ready process.</extracomment>
        <translation>The highest response ratio is chosen: (waiting + burst) / burst</translation>
    </message>
    <message>
        <source>Setiap pergantian proses memakan waktu context switch</source>
        <extracomment>A scheduling rule: dispatcher time on each change of process.</extracomment>
        <translation>Every change of process takes context switch time</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a rule&apos;s description, %2 its short name such as tie-arrival-then-list.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>Setiap pergantian proses: context switch %n satuan waktu</source>
        <extracomment>%n is the switch cost in time units.</extracomment>
        <translation>
            <numerusform>Every change of process: a context switch of %n time unit</numerusform>
            <numerusform>Every change of process: a context switch of %n time units</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SchedulingLab</name>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Semua file (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Impor Proses dari CSV</source>
        <translation>Import Processes from CSV</translation>
    </message>
    <message>
        <source>Ekspor Proses ke CSV</source>
        <translation>Export Processes to CSV</translation>
    </message>
    <message>
        <source>Laboratorium Penjadwalan</source>
        <translation>Scheduling Laboratory</translation>
    </message>
    <message>
        <source>Tabel proses</source>
        <translation>Process table</translation>
    </message>
    <message>
        <source>Insert menambah baris, Delete menghapus baris terpilih, Ctrl+V menempel baris dari spreadsheet atau CSV</source>
        <translation>Insert adds a row, Delete removes the selected rows, Ctrl+V pastes rows from a spreadsheet or CSV</translation>
    </message>
    <message>
        <source>Ta&amp;mbah</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>Menambah satu proses (Insert)</source>
        <translation>Adds a process (Insert)</translation>
    </message>
    <message>
        <source>Ha&amp;pus</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>Menghapus proses terpilih (Delete)</source>
        <translation>Removes the selected processes (Delete)</translation>
    </message>
    <message>
        <source>&amp;Impor CSV</source>
        <translation>&amp;Import CSV</translation>
    </message>
    <message>
        <source>Membaca proses dari file CSV</source>
        <translation>Reads the processes from a CSV file</translation>
    </message>
    <message>
        <source>&amp;Ekspor CSV</source>
        <translation>&amp;Export CSV</translation>
    </message>
    <message>
        <source>Menyimpan proses ke file CSV</source>
        <translation>Writes the processes to a CSV file</translation>
    </message>
    <message>
        <source>&amp;Acak</source>
        <translation>&amp;Random</translation>
    </message>
    <message>
        <source>Membuat proses acak dari seed di sebelahnya; seed yang sama memberi proses yang sama</source>
        <translation>Makes random processes from the seed beside it; the same seed gives the same processes</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Jumlah proses acak</source>
        <translation>Number of random processes</translation>
    </message>
    <message>
        <source>Algoritma</source>
        <translation>Algorithm</translation>
    </message>
    <message>
        <source>Quantum</source>
        <translation>Quantum</translation>
    </message>
    <message>
        <source>Urutan prioritas</source>
        <translation>Priority order</translation>
    </message>
    <message>
        <source>Angka kecil = prioritas tinggi</source>
        <translation>Small number = high priority</translation>
    </message>
    <message>
        <source>Angka besar = prioritas tinggi</source>
        <translation>Large number = high priority</translation>
    </message>
    <message>
        <source>Aturan Round Robin</source>
        <translation>Round Robin rule</translation>
    </message>
    <message>
        <source>Yang baru datang masuk antrean dulu</source>
        <translation>The newcomer joins the queue first</translation>
    </message>
    <message>
        <source>Yang kuantumnya habis masuk antrean dulu</source>
        <translation>The preempted process joins the queue first</translation>
    </message>
    <message>
        <source>Siapa masuk antrean lebih dulu bila proses baru datang tepat saat kuantum habis</source>
        <translation>Who joins the queue first when a new process arrives just as a quantum runs out</translation>
    </message>
    <message>
        <source>Biaya context switch</source>
        <translation>Context switch cost</translation>
    </message>
    <message>
        <source>&amp;Hitung</source>
        <translation>&amp;Compute</translation>
    </message>
    <message>
        <source>Menjadwalkan proses dengan algoritma dan pengaturan ini</source>
        <translation>Schedules the processes with this algorithm and these settings</translation>
    </message>
    <message>
        <source>&amp;Bandingkan semua</source>
        <translation>Com&amp;pare all</translation>
    </message>
    <message>
        <source>Menjadwalkan proses yang sama dengan ketujuh algoritma</source>
        <translation>Schedules the same processes with all seven algorithms</translation>
    </message>
    <message>
        <source>&amp;Tutup</source>
        <translation>Clo&amp;se</translation>
    </message>
    <message>
        <source>Menutup laboratorium (Escape)</source>
        <translation>Closes the laboratory (Escape)</translation>
    </message>
    <message>
        <source>Hasil per proses</source>
        <translation>Results per process</translation>
    </message>
    <message>
        <source>Angka hasil</source>
        <translation>Figures of the run</translation>
    </message>
    <message>
        <source>Gantt Chart</source>
        <translation>Gantt Chart</translation>
    </message>
    <message>
        <source>Perbesar</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Memperbesar skala waktu (Ctrl++)</source>
        <translation>Enlarges the time scale (Ctrl++)</translation>
    </message>
    <message>
        <source>Perkecil</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Memperkecil skala waktu (Ctrl+-)</source>
        <translation>Reduces the time scale (Ctrl+-)</translation>
    </message>
    <message>
        <source>Pas lebar</source>
        <translation>Fit Width</translation>
    </message>
    <message>
        <source>Seluruh jadwal selebar jendela (Ctrl+0)</source>
        <translation>The whole schedule as wide as the window (Ctrl+0)</translation>
    </message>
    <message>
        <source>&amp;Salin</source>
        <translation>C&amp;opy</translation>
    </message>
    <message>
        <source>Menyalin gambar chart ke clipboard</source>
        <translation>Copies the chart&apos;s picture to the clipboard</translation>
    </message>
    <message>
        <source>Simpan &amp;Gambar</source>
        <translation>Save Pic&amp;ture</translation>
    </message>
    <message>
        <source>Menyimpan gambar chart sebagai PNG atau SVG</source>
        <translation>Saves the chart&apos;s picture as PNG or SVG</translation>
    </message>
    <message>
        <source>Proses</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>See&amp;d:</source>
        <translation>See&amp;d:</translation>
    </message>
    <message>
        <source>&amp;Jumlah:</source>
        <translation>Cou&amp;nt:</translation>
    </message>
    <message>
        <source>Pengaturan</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>A&amp;lgoritma:</source>
        <translation>A&amp;lgorithm:</translation>
    </message>
    <message>
        <source>&amp;Quantum:</source>
        <translation>&amp;Quantum:</translation>
    </message>
    <message>
        <source>&amp;Urutan prioritas:</source>
        <translation>Priorit&amp;y order:</translation>
    </message>
    <message>
        <source>Aturan &amp;Round Robin:</source>
        <translation>Round Ro&amp;bin rule:</translation>
    </message>
    <message>
        <source>Biaya &amp;context switch:</source>
        <translation>Context s&amp;witch cost:</translation>
    </message>
    <message>
        <source>Aturan yang berlaku:</source>
        <translation>Rules in force:</translation>
    </message>
    <message>
        <source>Aturan yang berlaku</source>
        <translation>Rules in force</translation>
    </message>
    <message>
        <source>Hasil perhitungan</source>
        <translation>Results of the computation</translation>
    </message>
    <message>
        <source>Hasil</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Bandingkan</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Langkah</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Tabel sudah berisi %1 proses, jumlah terbanyak.</source>
        <translation>The table already holds %1 processes, the most it can.</translation>
    </message>
    <message>
        <source>File %1 tidak dapat dibuka: %2</source>
        <translation>The file %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>baris judul harus name,arrival,burst atau name,arrival,burst,priority</source>
        <translation>the header line must be name,arrival,burst or name,arrival,burst,priority</translation>
    </message>
    <message>
        <source>jumlah kolomnya tidak sama dengan baris judul</source>
        <translation>its number of columns differs from the header line</translation>
    </message>
    <message>
        <source>tanda kutipnya tidak tertutup dengan benar</source>
        <translation>its quotes are not closed properly</translation>
    </message>
    <message>
        <source>kolom %1: %2</source>
        <extracomment>A bad value in a CSV line: the column, then what is wrong.</extracomment>
        <translation>column %1: %2</translation>
    </message>
    <message>
        <source>tidak ada proses di bawah baris judul</source>
        <translation>there are no processes under the header line</translation>
    </message>
    <message>
        <source>lebih dari %1 proses</source>
        <translation>more than %1 processes</translation>
    </message>
    <message>
        <source>File %1 ditolak, baris %2: %3. Tabel tidak diubah.</source>
        <extracomment>A refused import: the file, the line (counted from 1, the header is line 1) and why.</extracomment>
        <translation>The file %1 was refused, line %2: %3. The table is unchanged.</translation>
    </message>
    <message>
        <source>File %1 tidak dapat disimpan: %2</source>
        <translation>The file %1 cannot be saved: %2</translation>
    </message>
    <message>
        <source>isinya kosong</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>tidak boleh negatif</source>
        <translation>it must not be negative</translation>
    </message>
    <message>
        <source>harus bilangan bulat</source>
        <translation>it must be a whole number</translation>
    </message>
    <message>
        <source>terlalu besar, paling besar %1</source>
        <translation>too large, at most %1</translation>
    </message>
    <message>
        <source>burst paling sedikit 1</source>
        <translation>the burst is at least 1</translation>
    </message>
    <message>
        <source>nama &quot;%1&quot; sudah dipakai di baris %2</source>
        <extracomment>A name used twice: the name and the row that has it first.</extracomment>
        <translation>the name &quot;%1&quot; is already used in row %2</translation>
    </message>
    <message>
        <source>Tabel proses kosong: tambahkan paling sedikit satu proses.</source>
        <translation>The process table is empty: add at least one process.</translation>
    </message>
    <message>
        <source>Terlalu banyak proses: paling banyak %1.</source>
        <translation>Too many processes: at most %1.</translation>
    </message>
    <message>
        <source>Jumlah semua burst terlalu besar untuk dijadwalkan.</source>
        <translation>The bursts add up to too much to be scheduled.</translation>
    </message>
    <message>
        <source>Baris %1, kolom %2: %3.</source>
        <extracomment>The one message of a bad cell: its row (from 1), its column and what is wrong.</extracomment>
        <translation>Row %1, column %2: %3.</translation>
    </message>
    <message>
        <source>Jadwal ini terlalu panjang untuk jam penjadwal: tidak dihitung.</source>
        <translation>This schedule is too long for the scheduler&apos;s clock: it was not computed.</translation>
    </message>
    <message>
        <source>Proses ini tidak dapat dijadwalkan: %1</source>
        <translation>These processes cannot be scheduled: %1</translation>
    </message>
    <message>
        <source>Utilisasi CPU: %1%   Throughput: %2 proses per satuan waktu   Context switch: %3   Selesai terakhir: %4</source>
        <extracomment>The figures of a run: utilisation in percent, throughput, context switches, last completion.</extracomment>
        <translation>CPU utilisation: %1%   Throughput: %2 processes per time unit   Context switches: %3   Last completion: %4</translation>
    </message>
    <message>
        <source>Gambar tidak dapat disimpan di %1: %2</source>
        <translation>The picture cannot be saved in %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Hanya %n baris yang ditempel: tabel paling banyak berisi %1 proses.</source>
        <extracomment>%n rows were pasted, %1 is the most processes a table holds.</extracomment>
        <translation>
            <numerusform>Only %n row was pasted: the table holds at most %1 processes.</numerusform>
            <numerusform>Only %n rows were pasted: the table holds at most %1 processes.</numerusform>
        </translation>
    </message>
    <message>
        <source>nama &quot;%1&quot; sudah dipakai di baris sebelumnya</source>
        <extracomment>A name a CSV file gives to two processes.</extracomment>
        <translation>the name &quot;%1&quot; is already used on an earlier line</translation>
    </message>
</context>
<context>
    <name>StepTexts</name>
    <message>
        <source>, </source>
        <extracomment>The separator between the processes of a list, as in &quot;P1 (burst 2), P2 (burst 3)&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 … dan %2 lainnya</source>
        <extracomment>%1 is the list of the first ready processes, %2 how many more were ready.</extracomment>
        <translation>%1 … and %2 more</translation>
    </message>
    <message>
        <source>t=%1: %2 berjalan</source>
        <extracomment>%1 is the time, %2 the process given the processor.</extracomment>
        <translation>t=%1: %2 runs</translation>
    </message>
    <message>
        <source>t=%1: antrean %2; kepala antrean: %3</source>
        <extracomment>Round Robin. %1 is the time, %2 the ready queue from its head, %3 the head.</extracomment>
        <translation>t=%1: queue %2; head of the queue: %3</translation>
    </message>
    <message>
        <source>t=%1: siap %2; sama, yang datang lebih dulu: %3</source>
        <extracomment>Equal keys settled by the earlier arrival. %1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation>t=%1: ready %2; a tie, the earlier arrival: %3</translation>
    </message>
    <message>
        <source>t=%1: siap %2; sama, datang bersamaan, urutan daftar lebih dulu: %3</source>
        <extracomment>Equal keys and equal arrivals settled by the place in the list. %1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation>t=%1: ready %2; a tie with equal arrivals, earlier in the list: %3</translation>
    </message>
    <message>
        <source>t=%1: siap %2; pertama datang: %3</source>
        <extracomment>FCFS. %1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation>t=%1: ready %2; first to arrive: %3</translation>
    </message>
    <message>
        <source>t=%1: siap %2; terpendek: %3</source>
        <extracomment>SJF. %1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation>t=%1: ready %2; shortest: %3</translation>
    </message>
    <message>
        <source>t=%1: siap %2; sisa terpendek: %3</source>
        <extracomment>SRTF. %1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation>t=%1: ready %2; shortest remaining: %3</translation>
    </message>
    <message>
        <source>t=%1: siap %2; prioritas tertinggi: %3</source>
        <extracomment>%1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation>t=%1: ready %2; highest priority: %3</translation>
    </message>
    <message>
        <source>t=%1: siap %2; rasio tertinggi: %3</source>
        <extracomment>HRRN. %1 time, %2 ready list, %3 the chosen.</extracomment>
        <translation>t=%1: ready %2; highest ratio: %3</translation>
    </message>
    <message>
        <source>%1 yang baru dimuat</source>
        <extracomment>A process whose context switch has just ended, before it ran: %1 its name.</extracomment>
        <translation>the just loaded %1</translation>
    </message>
    <message>
        <source>%1 yang berjalan</source>
        <extracomment>The process running on the processor: %1 its name.</extracomment>
        <translation>the running %1</translation>
    </message>
    <message>
        <source>t=%1: %2 (%3) lebih baik dari %4 (%5): %6 disela; sama, yang datang lebih dulu: %2 berjalan</source>
        <extracomment>Newcomers as good as each other: the earlier arrival takes the processor. %1 time, %2 the newcomer, %3 its key, %4 &quot;P1 yang berjalan&quot;, %5 its key, %6 the running process&apos;s name.</extracomment>
        <translation>t=%1: %2 (%3) is better than %4 (%5): %6 is preempted; a tie, the earlier arrival: %2 runs</translation>
    </message>
    <message>
        <source>t=%1: %2 (%3) lebih baik dari %4 (%5): %6 disela; sama, datang bersamaan, urutan daftar lebih dulu: %2 berjalan</source>
        <extracomment>Newcomers as good as each other that arrived together: the earlier place in the list takes the processor. %1 time, %2 the newcomer, %3 its key, %4 &quot;P1 yang berjalan&quot;, %5 its key, %6 the running process&apos;s name.</extracomment>
        <translation>t=%1: %2 (%3) is better than %4 (%5): %6 is preempted; a tie with equal arrivals, earlier in the list: %2 runs</translation>
    </message>
    <message>
        <source>t=%1: %2 (%3) lebih baik dari %4 (%5): %6 disela, %2 berjalan</source>
        <extracomment>%1 time, %2 the newcomer, %3 its key (such as &quot;sisa 1&quot;), %4 &quot;P1 yang berjalan&quot;, %5 its key, %6 the running process&apos;s name.</extracomment>
        <translation>t=%1: %2 (%3) is better than %4 (%5): %6 is preempted, %2 runs</translation>
    </message>
    <message>
        <source>t=%1: %2 lebih baik dari %3: %4 disela, %2 berjalan</source>
        <extracomment>%1 time, %2 the newcomer, %3 &quot;P1 yang berjalan&quot;, %4 the running process&apos;s name.</extracomment>
        <translation>t=%1: %2 is better than %3: %4 is preempted, %2 runs</translation>
    </message>
    <message>
        <source>t=%1: %2 (%3) sama dengan %4 (%5): %6 tetap berjalan</source>
        <extracomment>%1 time, %2 the newcomer, %3 its key (such as &quot;sisa 2&quot;), %4 &quot;P1 yang berjalan&quot;, %5 its key, %6 the running process&apos;s name.</extracomment>
        <translation>t=%1: %2 (%3) equals %4 (%5): %6 keeps running</translation>
    </message>
    <message>
        <source>t=%1: %2 sama dengan %3: %4 tetap berjalan</source>
        <extracomment>%1 time, %2 the newcomer, %3 &quot;P1 yang berjalan&quot;, %4 the running process&apos;s name.</extracomment>
        <translation>t=%1: %2 equals %3: %4 keeps running</translation>
    </message>
    <message>
        <source>t=%1: %2 tetap berjalan</source>
        <extracomment>%1 time, %2 the running process.</extracomment>
        <translation>t=%1: %2 keeps running</translation>
    </message>
    <message>
        <source>datang %1</source>
        <extracomment>FCFS: a ready process&apos;s arrival time.</extracomment>
        <translation>arrival %1</translation>
    </message>
    <message>
        <source>burst %1</source>
        <extracomment>SJF: a ready process&apos;s burst time.</extracomment>
        <translation>burst %1</translation>
    </message>
    <message>
        <source>sisa %1</source>
        <extracomment>SRTF: the time a process still has to run.</extracomment>
        <translation>remaining %1</translation>
    </message>
    <message>
        <source>prioritas %1</source>
        <extracomment>A ready process&apos;s priority number.</extracomment>
        <translation>priority %1</translation>
    </message>
    <message>
        <source>rasio (%1+%2)/%2 = %3</source>
        <extracomment>HRRN: %1 the time waited, %2 the burst, %3 the ratio (waited + burst) / burst.</extracomment>
        <translation>ratio (%1+%2)/%2 = %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A ready process and its key: %1 the name, %2 the key, such as &quot;P2 (burst 3)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>t=%1: antrean kosong saat kuantum habis: %2 tetap berjalan</source>
        <extracomment>Round Robin. %1 the time, %2 the process that goes on.</extracomment>
        <translation>t=%1: the queue is empty when the quantum runs out: %2 keeps running</translation>
    </message>
    <message>
        <source>t=%1-%2: tidak ada proses siap, CPU idle</source>
        <extracomment>%1 and %2 are the start and the end of the time the processor idles.</extracomment>
        <translation>t=%1-%2: no process is ready, the CPU is idle</translation>
    </message>
    <message numerus="yes">
        <source>%1, lalu context switch %n satuan waktu</source>
        <extracomment>%1 is a decision&apos;s sentence, %n the length of the context switch that follows it.</extracomment>
        <translation>
            <numerusform>%1, then a context switch of %n time unit</numerusform>
            <numerusform>%1, then a context switch of %n time units</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Tidak ada varian untuk ditulis ke %1.</source>
        <translation>There are no variants to write to %1.</translation>
    </message>
    <message>
        <source>File %1 tidak dapat ditulis: %2</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Lembar Kerja Penjadwalan</source>
        <translation>Scheduling Worksheet</translation>
    </message>
    <message>
        <source>Kunci Jawaban</source>
        <translation>Answer Key</translation>
    </message>
    <message>
        <source>dokumen PDF tidak dapat dimulai</source>
        <translation>the PDF document cannot be started</translation>
    </message>
    <message>
        <source>halaman baru tidak dapat dimulai</source>
        <translation>a new page cannot be started</translation>
    </message>
    <message>
        <source>dokumen PDF tidak dapat diselesaikan</source>
        <translation>the PDF document cannot be finished</translation>
    </message>
    <message>
        <source>Kode kelas harus terdiri dari huruf dan angka saja, 1 sampai %1 karakter.</source>
        <extracomment>%1 is the longest class code allowed.</extracomment>
        <translation>The class code must be letters and digits only, 1 to %1 characters.</translation>
    </message>
    <message>
        <source>Jumlah varian harus %1 sampai %2.</source>
        <translation>The number of variants must be %1 to %2.</translation>
    </message>
    <message>
        <source>Jumlah proses harus %1 sampai %2.</source>
        <translation>The number of processes must be %1 to %2.</translation>
    </message>
    <message>
        <source>Kelas %1, varian %2 dari %3</source>
        <extracomment>Above a worksheet: the class code, the variant&apos;s number and how many the class has.</extracomment>
        <translation>Class %1, variant %2 of %3</translation>
    </message>
    <message>
        <source>Folder %1 tidak ada.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>%1, quantum = %2</source>
        <extracomment>The policy with its quantum: &quot;Round Robin, quantum = 3&quot;.</extracomment>
        <translation>%1, quantum = %2</translation>
    </message>
    <message>
        <source>Dasar</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Menengah</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <source>Lanjut</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Proses</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Arrival</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Burst</translation>
    </message>
    <message>
        <source>Prioritas</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Selesai</source>
        <translation>Completion</translation>
    </message>
    <message>
        <source>Turnaround</source>
        <translation>Turnaround</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Response</translation>
    </message>
    <message>
        <source>Rata-rata</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Nama:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Kode soal:</source>
        <translation>Exercise code:</translation>
    </message>
    <message>
        <source>Algoritma:</source>
        <translation>Algorithm:</translation>
    </message>
    <message>
        <source>Tingkat:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Aturan penjadwalan:</source>
        <translation>Scheduling rules:</translation>
    </message>
    <message>
        <source>Tabel proses</source>
        <translation>Process table</translation>
    </message>
    <message>
        <source>Gantt Chart</source>
        <translation>Gantt Chart</translation>
    </message>
    <message>
        <source>Gambarkan jadwal CPU pada kisi ini; satu kotak adalah satu satuan waktu. Tandai waktu idle dan context switch bila ada.</source>
        <translation>Draw the CPU schedule on this grid; one box is one time unit. Mark idle time and context switches if there are any.</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>Tabel jawaban</source>
        <translation>Answer table</translation>
    </message>
    <message>
        <source>Urutan CPU: %1</source>
        <extracomment>%1 is the processor&apos;s pieces in time order, such as &quot;P1 0-4, P2 4-7, idle 7-9&quot;.</extracomment>
        <translation>CPU order: %1</translation>
    </message>
    <message>
        <source>Tidak ada printer default: %1</source>
        <translation>There is no default printer: %1</translation>
    </message>
    <message>
        <source>Tidak ada tempat untuk file cetak: %1</source>
        <translation>There is no place for the print file: %1</translation>
    </message>
    <message>
        <source>Printer menolak pekerjaan cetak: %1</source>
        <translation>The printer refused the print job: %1</translation>
    </message>
    <message numerus="yes">
        <source>Context switch: %1 kali, masing-masing %n satuan waktu</source>
        <extracomment>%1 is how many context switches the run has, %n their cost in time units each.</extracomment>
        <translation>
            <numerusform>Context switches: %1, each of %n time unit</numerusform>
            <numerusform>Context switches: %1, each of %n time units</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>Folder untuk Lembar Kerja</source>
        <translation>Folder for the Worksheets</translation>
    </message>
    <message>
        <source>Cetak Lembar Kerja</source>
        <translation>Print Worksheets</translation>
    </message>
    <message>
        <source>Kode kelas</source>
        <translation>Class code</translation>
    </message>
    <message>
        <source>Huruf dan angka saja, misalnya TI2A; kode kelas dan nomor varian menentukan kode soal</source>
        <translation>Letters and digits only, for example TI2A; the class code and the variant number make the exercise code</translation>
    </message>
    <message>
        <source>Jumlah varian</source>
        <translation>Number of variants</translation>
    </message>
    <message>
        <source>Algoritma</source>
        <translation>Algorithm</translation>
    </message>
    <message>
        <source>Jumlah proses</source>
        <translation>Number of processes</translation>
    </message>
    <message>
        <source>Tingkat</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Tujuan</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>PDF</source>
        <extracomment>Destination: two PDF files, the worksheets and the answer key, in a folder.</extracomment>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Printer</source>
        <extracomment>Destination: the worksheets on the default printer.</extracomment>
        <translation>Printer</translation>
    </message>
    <message>
        <source>&amp;Buat</source>
        <translation>&amp;Create</translation>
    </message>
    <message>
        <source>Membuat lembar kerja dan kunci jawaban (Enter)</source>
        <translation>Makes the worksheets and the answer key (Enter)</translation>
    </message>
    <message>
        <source>Ba&amp;tal</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>Menutup tanpa membuat apa pun (Escape)</source>
        <translation>Closes without making anything (Escape)</translation>
    </message>
    <message>
        <source>&amp;Kode kelas:</source>
        <translation>C&amp;lass code:</translation>
    </message>
    <message>
        <source>Jumlah &amp;varian:</source>
        <translation>Number of &amp;variants:</translation>
    </message>
    <message>
        <source>&amp;Algoritma:</source>
        <translation>&amp;Algorithm:</translation>
    </message>
    <message>
        <source>Jumlah &amp;proses:</source>
        <translation>Number of &amp;processes:</translation>
    </message>
    <message>
        <source>T&amp;ingkat:</source>
        <translation>L&amp;evel:</translation>
    </message>
    <message>
        <source>T&amp;ujuan:</source>
        <translation>&amp;Destination:</translation>
    </message>
    <message>
        <source>PDF: lembar kerja dan kunci jawaban disimpan sebagai dua file di folder yang dipilih. Printer: lembar kerja dicetak di printer default.</source>
        <translation>PDF: the worksheets and the answer key are saved as two files in the chosen folder. Printer: the worksheets are printed on the default printer.</translation>
    </message>
    <message>
        <source>Lembar kerja tidak dapat disimpan. %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>The worksheets cannot be saved. %1</translation>
    </message>
    <message>
        <source>Lembar kerja tidak dapat dicetak. %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>The worksheets cannot be printed. %1</translation>
    </message>
    <message numerus="yes">
        <source>%n lembar kerja tersimpan di %1 dan kunci jawabannya di %2.</source>
        <extracomment>%n is how many variants, %1 the worksheets&apos; file, %2 the answer key&apos;s file.</extracomment>
        <translation>
            <numerusform>%n worksheet saved in %1 and its answer key in %2.</numerusform>
            <numerusform>%n worksheets saved in %1 and their answer key in %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lembar kerja kelas %1 dikirim ke printer %2 (pekerjaan %3).</source>
        <extracomment>%n is how many worksheets, %1 the class, %2 the printer&apos;s queue, %3 the job&apos;s number.</extracomment>
        <translation>
            <numerusform>%n worksheet of class %1 sent to the printer %2 (job %3).</numerusform>
            <numerusform>%n worksheets of class %1 sent to the printer %2 (job %3).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>labui::ComparisonModel</name>
    <message>
        <source>%1/%2 = %3%</source>
        <extracomment>Utilisation as a fraction and a percentage: %1 the bursts, %2 the span, %3 the percentage, such as &quot;24/26 = 92.31%&quot;.</extracomment>
        <translation>%1/%2 = %3%</translation>
    </message>
    <message>
        <source>%1 ★</source>
        <extracomment>A column&apos;s best value in the comparison: %1 the value, followed by a star.</extracomment>
        <translation>%1 ★</translation>
    </message>
    <message>
        <source>%1 (terbaik)</source>
        <extracomment>A column&apos;s best value as a screen reader reads it: %1 the value.</extracomment>
        <translation>%1 (best)</translation>
    </message>
    <message>
        <source>terbaik</source>
        <extracomment>Said of a column&apos;s best value in the comparison.</extracomment>
        <translation>best</translation>
    </message>
    <message>
        <source>Algoritma</source>
        <extracomment>Column headers of the comparison; their tool tips say which way is better.</extracomment>
        <translation>Algorithm</translation>
    </message>
    <message>
        <source>Rata-rata waiting time; terkecil terbaik</source>
        <translation>Average waiting time; the smallest is best</translation>
    </message>
    <message>
        <source>Rata-rata Waiting</source>
        <translation>Average Waiting</translation>
    </message>
    <message>
        <source>Rata-rata turnaround time; terkecil terbaik</source>
        <translation>Average turnaround time; the smallest is best</translation>
    </message>
    <message>
        <source>Rata-rata Turnaround</source>
        <translation>Average Turnaround</translation>
    </message>
    <message>
        <source>Rata-rata response time; terkecil terbaik</source>
        <translation>Average response time; the smallest is best</translation>
    </message>
    <message>
        <source>Rata-rata Response</source>
        <translation>Average Response</translation>
    </message>
    <message>
        <source>Jumlah burst / rentang waktu; terbesar terbaik</source>
        <translation>Sum of bursts / time span; the largest is best</translation>
    </message>
    <message>
        <source>Utilisasi CPU</source>
        <translation>CPU Utilisation</translation>
    </message>
    <message>
        <source>Proses per satuan waktu; terbesar terbaik</source>
        <translation>Processes per time unit; the largest is best</translation>
    </message>
    <message>
        <source>Throughput</source>
        <translation>Throughput</translation>
    </message>
    <message>
        <source>Banyaknya context switch; terkecil terbaik</source>
        <translation>Number of context switches; the smallest is best</translation>
    </message>
    <message>
        <source>Context Switch</source>
        <translation>Context Switches</translation>
    </message>
</context>
<context>
    <name>labui::ComparisonView</name>
    <message>
        <source>Perbandingan algoritma</source>
        <extracomment>The table comparing the seven policies.</extracomment>
        <translation>Comparison of the algorithms</translation>
    </message>
    <message>
        <source>★ = terbaik: waktu rata-rata dan context switch terkecil, utilisasi dan throughput terbesar. Nilai yang sama semuanya ditandai.</source>
        <extracomment>Under the comparison: what the star means.</extracomment>
        <translation>★ = best: the smallest average times and context switches, the largest utilisation and throughput. Equal values are all marked.</translation>
    </message>
    <message>
        <source>Gantt Chart setiap algoritma</source>
        <extracomment>The scrolling area with one small Gantt chart per policy.</extracomment>
        <translation>Gantt Chart of each algorithm</translation>
    </message>
</context>
<context>
    <name>labui::ProcessTableModel</name>
    <message>
        <source>Proses</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Arrival</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Burst</translation>
    </message>
    <message>
        <source>Prioritas</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A cell as a screen reader reads it: the column, then the text.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Salah: %1</source>
        <extracomment>A marked cell for screen readers: what is wrong with it.</extracomment>
        <translation>Wrong: %1</translation>
    </message>
</context>
<context>
    <name>labui::ResultTableModel</name>
    <message>
        <source>Proses</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation>Arrival</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Burst</translation>
    </message>
    <message>
        <source>Prioritas</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Selesai</source>
        <translation>Completion</translation>
    </message>
    <message>
        <source>Turnaround</source>
        <translation>Turnaround</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Response</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Rata-rata</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A result cell as a screen reader reads it: the column, then the value.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>labui::StepsModel</name>
    <message>
        <source>Aturan:
%1</source>
        <extracomment>Above the rules that settled a step of the schedule, one per line.</extracomment>
        <translation>Rules:
%1</translation>
    </message>
</context>
<context>
    <name>labui::StepsView</name>
    <message>
        <source>Langkah</source>
        <extracomment>The list of the schedule&apos;s decisions as sentences.</extracomment>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Keputusan penjadwal menurut waktu; pilih satu untuk menandai waktunya di Gantt Chart</source>
        <extracomment>What the steps list holds, for screen readers.</extracomment>
        <translation>The scheduler&apos;s decisions in time order; choose one to mark its time on the Gantt Chart</translation>
    </message>
</context>
<context>
    <name>practiceui::AnswerTableModel</name>
    <message>
        <source>Proses</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Selesai</source>
        <translation>Completion</translation>
    </message>
    <message>
        <source>Turnaround</source>
        <translation>Turnaround</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Response</source>
        <translation>Response</translation>
    </message>
    <message>
        <source>Rata-rata</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A checked cell: %1 the number as typed, %2 its mark&apos;s symbol.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>salah: bukan angka</source>
        <translation>wrong: not a number</translation>
    </message>
    <message>
        <source>kosong</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>%1 %2: %3, %4</source>
        <extracomment>A checked cell for screen readers: %1 the process, %2 the column, %3 the typed number, %4 its mark in words.</extracomment>
        <translation>%1 %2: %3, %4</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <extracomment>A cell for screen readers: %1 the process, %2 the column, %3 the typed number.</extracomment>
        <translation>%1 %2: %3</translation>
    </message>
</context>
<context>
    <name>practiceui::PolicyChoice</name>
    <message>
        <source>Acak</source>
        <extracomment>The policy choice with which every new exercise draws its own policy.</extracomment>
        <translation>Random</translation>
    </message>
</context>
<context>
    <name>practiceui::ScheduleGrid</name>
    <message>
        <source>Grid jadwal</source>
        <translation>Schedule grid</translation>
    </message>
    <message>
        <source>idle</source>
        <translation>idle</translation>
    </message>
    <message>
        <source>switch</source>
        <translation>switch</translation>
    </message>
    <message>
        <source>%1 %2-%3</source>
        <extracomment>A piece of the grid: %1 its name, %2 its start, %3 its end.</extracomment>
        <translation>%1 %2-%3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A checked piece: %1 the piece, %2 its mark in words.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>belum ada potongan</source>
        <translation>no pieces yet</translation>
    </message>
    <message>
        <source>pilih proses, idle atau switch untuk potongan berikutnya</source>
        <translation>choose a process, idle or switch for the next piece</translation>
    </message>
    <message>
        <source>potongan berikutnya: %1 mulai t=%2</source>
        <extracomment>%1 the chosen piece&apos;s name, %2 where it will start.</extracomment>
        <translation>next piece: %1 from t=%2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The grid for screen readers: %1 the pieces laid, %2 the next piece.</extracomment>
        <translation>%1; %2</translation>
    </message>
</context>
</TS>
