<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>ArquivoCaso</name>
    <message>
        <source>Arquivos CSV (*.csv);;Planilhas do Excel (*.xlsx);;Todos os arquivos (*)</source>
        <translation>CSV files (*.csv);;Excel workbooks (*.xlsx);;All files (*)</translation>
    </message>
    <message>
        <source>O arquivo não estava em UTF-8: foi lido como Windows-1252, a codificação antiga do Windows.</source>
        <translation>The file was not in UTF-8: it was read as Windows-1252, the old Windows encoding.</translation>
    </message>
</context>
<context>
    <name>CasoCsv</name>
    <message>
        <source>Isto não é um arquivo comum (é uma pasta, um dispositivo ou um canal): nada foi lido.</source>
        <translation>This is not a regular file (it is a folder, a device or a pipe): nothing was read.</translation>
    </message>
    <message>
        <source>%1 não é um caractere válido em %2: o arquivo está danificado</source>
        <translation>%1 is not a valid character in %2: the file is damaged</translation>
    </message>
</context>
<context>
    <name>CasoXlsx</name>
    <message>
        <source>A planilha não pôde ser montada (%1).</source>
        <translation>The workbook could not be built (%1).</translation>
    </message>
</context>
<context>
    <name>Emach</name>
    <message>
        <source>Valores incompletos!</source>
        <comment>linhas iguais</comment>
        <translation>Values incomplete</translation>
    </message>
    <message>
        <source>Preencher totalmente a planilha antes de analizar</source>
        <comment>linhas iguais</comment>
        <translation>Fully populate the spreadsheet before analyzing</translation>
    </message>
    <message>
        <source>Valores incompletos!</source>
        <comment>colunas iguais</comment>
        <translation>Values incomplete</translation>
    </message>
    <message>
        <source>Preencher totalmente a planilha antes de analizar</source>
        <comment>colunas iguais</comment>
        <translation>Fully populate the spreadsheet before analyzing</translation>
    </message>
    <message>
        <source>Valor fora da escala</source>
        <translation>Value off the scale</translation>
    </message>
    <message>
        <source>O julgamento de &quot;%1&quot; contra &quot;%2&quot; vale %3, fora da escala de 0,1 a 10. A análise não foi feita.</source>
        <translation>The judgement of &quot;%1&quot; against &quot;%2&quot; is %3, off the scale of 0.1 to 10. The analysis was not made.</translation>
    </message>
</context>
<context>
    <name>Equipe</name>
    <message>
        <source>Os membros concordam fortemente na ordem dos fatores.</source>
        <translation>The members agree strongly on the order of the factors.</translation>
    </message>
    <message>
        <source>Os membros concordam moderadamente na ordem dos fatores.</source>
        <translation>The members agree moderately on the order of the factors.</translation>
    </message>
    <message>
        <source>Os membros concordam pouco na ordem dos fatores.</source>
        <translation>The members agree little on the order of the factors.</translation>
    </message>
    <message>
        <source>A concordância pede ao menos dois membros cuja matriz possa ser analisada.</source>
        <translation>Agreement needs at least two members whose matrix can be analysed.</translation>
    </message>
</context>
<context>
    <name>Escrita</name>
    <message>
        <source>O disco está cheio.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Não é permitido gravar nesta pasta (ela é somente para leitura ou de outro usuário).</source>
        <translation>Writing to this folder is not allowed (it is read-only or belongs to another user).</translation>
    </message>
    <message>
        <source>A pasta não existe.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>Já existe uma pasta com este nome.</source>
        <translation>A folder with this name already exists.</translation>
    </message>
    <message>
        <source>O nome do arquivo é longo demais.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>O disco recusou a gravação.</source>
        <translation>The disk refused the write.</translation>
    </message>
    <message>
        <source>O sistema recusou a gravação (%1).</source>
        <translation>The system refused the write (%1).</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo
%1

%2

Nenhum arquivo foi criado ou alterado.</source>
        <translation>The file
%1
could not be written.

%2

No file was created or changed.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Menu principal</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>Área principal</source>
        <translation>Main area</translation>
    </message>
    <message>
        <source>Barra de status</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Fileira de dominós caindo</source>
        <translation>A row of falling dominoes</translation>
    </message>
</context>
<context>
    <name>PaginaEquipe</name>
    <message>
        <source>W de Kendall = %1; qui-quadrado = %2 com %3 graus de liberdade; p %4</source>
        <translation>Kendall&apos;s W = %1; chi-square = %2 with %3 degrees of freedom; p %4</translation>
    </message>
    <message>
        <source>Julgamento em equipe</source>
        <translation>Team judgement</translation>
    </message>
    <message>
        <source>Membros: %1</source>
        <translation>Members: %1</translation>
    </message>
    <message>
        <source>Fora da concordância: %1 (a matriz não pode ser analisada)</source>
        <translation>Left out of the agreement: %1 (the matrix cannot be analysed)</translation>
    </message>
    <message>
        <source>Pares a discutir</source>
        <translation>Pairs to discuss</translation>
    </message>
    <message>
        <source>Nenhum par com dispersão de 2 ou mais.</source>
        <translation>No pair with a spread of 2 or more.</translation>
    </message>
    <message>
        <source>%1 × %2: equipe %3, dispersão %4</source>
        <translation>%1 × %2: team %3, spread %4</translation>
    </message>
    <message>
        <source>… e mais %1 pares com dispersão de 2 ou mais.</source>
        <translation>… and %1 more pairs with a spread of 2 or more.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>A impressora %1 não aceitou o documento. Nada foi impresso.</source>
        <translation>The printer %1 did not accept the document. Nothing was printed.</translation>
    </message>
    <message>
        <source>Impressão</source>
        <translation>Printing</translation>
    </message>
</context>
<context>
    <name>RelatorioCompleto</name>
    <message>
        <source>Causa Raíz ou principal FCS</source>
        <translation>Root cause or primary FCS</translation>
    </message>
    <message>
        <source>Efeito</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>Fator causal</source>
        <translation>Causal factor</translation>
    </message>
    <message>
        <source>Relatório completo</source>
        <translation>Full report</translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado: </source>
        <translation>Goal to achieve or undesired symptom: </translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Nº</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Fator</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Classificação dos fatores</source>
        <translation>Ranking of the factors</translation>
    </message>
    <message>
        <source>Matriz de comparação</source>
        <translation>Comparison matrix</translation>
    </message>
    <message>
        <source>Colunas: o número de cada fator, como nas linhas.</source>
        <translation>Columns: the number of each factor, as in the rows.</translation>
    </message>
    <message>
        <source>Relatório &amp;completo…</source>
        <translation>&amp;Full report…</translation>
    </message>
    <message>
        <source>Salvar relatório completo em PDF</source>
        <translation>Save full report as PDF</translation>
    </message>
    <message>
        <source>O relatório completo foi salvo em:</source>
        <translation>The full report was saved to:</translation>
    </message>
    <message>
        <source>Cada ponto leva o número do fator (Nº da classificação).</source>
        <translation>Each point carries the factor&apos;s number (No. in the ranking).</translation>
    </message>
</context>
<context>
    <name>Restauracao</name>
    <message>
        <source>Julgamentos não gravados</source>
        <translation>Judgements not saved</translation>
    </message>
    <message>
        <source>O arquivo de recuperação de julgamentos está danificado e não foi usado.</source>
        <translation>The recovery file of judgements is damaged and was not used.</translation>
    </message>
    <message>
        <source>O arquivo de recuperação de julgamentos é de outro arquivo de dados, ou de um case que mudou depois, e não foi usado.</source>
        <translation>The recovery file of judgements belongs to another data file, or to a case that changed since, and was not used.</translation>
    </message>
    <message>
        <source>Ele foi guardado como:
%1</source>
        <translation>It was kept as:
%1</translation>
    </message>
    <message>
        <source>O KV foi encerrado sem gravar os julgamentos do case %1 (%2), feitos até %3.

Restaurá-los agora?</source>
        <translation>KV ended without saving the judgements of case %1 (%2), made up to %3.

Restore them now?</translation>
    </message>
    <message>
        <source>&amp;Restaurar</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>&amp;Descartar</source>
        <translation>&amp;Discard</translation>
    </message>
</context>
<context>
    <name>Teclado</name>
    <message>
        <source>Julgados: %1 de %2</source>
        <translation>Judged: %1 of %2</translation>
    </message>
</context>
<context>
    <name>Veredito</name>
    <message>
        <source>Julgamentos com algumas contradições: reveja os pares indicados.</source>
        <translation>Judgements with some contradictions: review the pairs shown.</translation>
    </message>
    <message>
        <source>Julgamentos contraditórios: a ordem dos fatores não é confiável.</source>
        <translation>Contradictory judgements: the order of the factors is not reliable.</translation>
    </message>
    <message>
        <source>Julgamentos coerentes.</source>
        <translation>Coherent judgements.</translation>
    </message>
    <message>
        <source>A ordem se apoia em poucos julgamentos com direção: %1 de %2 pares.</source>
        <translation>The order rests on few directed judgements: %1 of %2 pairs.</translation>
    </message>
    <message>
        <source>ζ = %1, não melhor do que julgar ao acaso (%2 em média).</source>
        <translation>ζ = %1, no better than judging at random (%2 on average).</translation>
    </message>
    <message>
        <source>ζ = %1; julgando ao acaso, seria %2 em média.</source>
        <translation>ζ = %1; judging at random, it would be %2 on average.</translation>
    </message>
    <message>
        <source>Causa raiz firme: nenhuma mudança de um só julgamento a tira de %1.</source>
        <translation>Firm root cause: no change of a single judgement moves it from %1.</translation>
    </message>
    <message>
        <source>Causa raiz sensível: %1 e %2 empatam no menor E-Mach; não há uma causa raiz única.</source>
        <translation>Sensitive root cause: %1 and %2 tie at the lowest E-Mach; there is no single root cause.</translation>
    </message>
    <message>
        <source>Causa raiz sensível: mudar o julgamento %1 × %2 de %3 para %4, um só passo, faz de %5 a causa raiz.</source>
        <translation>Sensitive root cause: changing the judgement %1 × %2 from %3 to %4, a single step, makes %5 the root cause.</translation>
    </message>
    <message>
        <source>Causa raiz sensível: mudar o julgamento %1 × %2 de %3 para %4, um só passo, deixa o menor E-Mach empatado.</source>
        <translation>Sensitive root cause: changing the judgement %1 × %2 from %3 to %4, a single step, leaves the lowest E-Mach tied.</translation>
    </message>
    <message>
        <source>Mudanças de um passo que a movem: %1.</source>
        <translation>One-step changes that move it: %1.</translation>
    </message>
    <message>
        <source>Causa raiz moderada: nenhuma mudança de um passo a move; a menor que a move é %1 × %2 de %3 para %4 (%5 passos), que faz de %6 a causa raiz.</source>
        <translation>Moderate root cause: no one-step change moves it; the smallest that does is %1 × %2 from %3 to %4 (%5 steps), which makes %6 the root cause.</translation>
    </message>
    <message>
        <source>Causa raiz moderada: nenhuma mudança de um passo a move; a menor que a move é %1 × %2 de %3 para %4 (%5 passos), que deixa o menor E-Mach empatado.</source>
        <translation>Moderate root cause: no one-step change moves it; the smallest that does is %1 × %2 from %3 to %4 (%5 steps), which leaves the lowest E-Mach tied.</translation>
    </message>
</context>
<context>
    <name>Vigia</name>
    <message>
        <source>Um arquivo que o KV mantém ao lado de CONTROLE.mdb enquanto está aberto (CONTROLE.mdb-wal ou CONTROLE.mdb-shm) foi apagado por outro programa.</source>
        <translation>A file that KV keeps beside CONTROLE.mdb while it is open (CONTROLE.mdb-wal or CONTROLE.mdb-shm) was deleted by another program.</translation>
    </message>
    <message>
        <source>O KV não conseguiu criá-lo de novo agora: outro programa está com o CONTROLE.mdb aberto. Para não perder nada, feche esse programa, saia do KV pelo menu Sair (ao sair, o KV grava tudo no CONTROLE.mdb) e abra o KV de novo.</source>
        <translation>KV could not make it again now: another program has CONTROLE.mdb open. To lose nothing, close that program, leave KV through the Quit menu (on leaving, KV writes everything into CONTROLE.mdb) and open KV again.</translation>
    </message>
    <message>
        <source>O KV já gravou no CONTROLE.mdb tudo o que estava nele e o criou de novo: nada foi perdido, e você pode continuar trabalhando. Se foi um programa de limpeza ou de cópia, configure-o para não apagar esses arquivos.</source>
        <translation>KV has already written into CONTROLE.mdb everything that file held and made it again: nothing was lost, and you can go on working. If it was a cleaning or copying program, set it not to delete these files.</translation>
    </message>
    <message>
        <source>Arquivo de dados</source>
        <translation>Data file</translation>
    </message>
</context>
<context>
    <name>frmCases</name>
    <message>
        <source>E&amp;quipe…</source>
        <translation>&amp;Team…</translation>
    </message>
    <message>
        <source>Casos</source>
        <translation>Cases</translation>
    </message>
</context>
<context>
    <name>frmDados</name>
    <message>
        <source>Entrada de dados para análise</source>
        <translation>Registration of events</translation>
    </message>
    <message>
        <source>O fator: </source>
        <translation>The factor:</translation>
    </message>
    <message>
        <source>Contribui: </source>
        <translation>Contributes</translation>
    </message>
    <message>
        <source>Do que o fator: </source>
        <translation>Than the factor:</translation>
    </message>
    <message>
        <source>Para: </source>
        <translation>for the:</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <source>&amp;Analisar</source>
        <translation>&amp;Analyze</translation>
    </message>
    <message>
        <source>&amp;Resultado</source>
        <translation>&amp;Result</translation>
    </message>
    <message>
        <source>Comparação: </source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Muito menos</source>
        <translation>Much less</translation>
    </message>
    <message>
        <source>Menos</source>
        <translation>Less</translation>
    </message>
    <message>
        <source>De forma igual</source>
        <translation>The same</translation>
    </message>
    <message>
        <source>Mais</source>
        <translation>Much</translation>
    </message>
    <message>
        <source>Muito Mais</source>
        <translation>Much more</translation>
    </message>
    <message>
        <source>Pontos da Coluna</source>
        <extracomment>Spanish shows these headings in Portuguese</extracomment>
        <translation>Points to Column</translation>
    </message>
    <message>
        <source>Normatização V 0-5</source>
        <translation>Normatization V 0-5</translation>
    </message>
    <message>
        <source>Pontos da Linha</source>
        <translation>Points to Row</translation>
    </message>
    <message>
        <source>Normatização H 0-5</source>
        <translation>Normatization H 0-5</translation>
    </message>
    <message>
        <source>A tabela %1 do case %2 não tem a linha de fator %3; a análise precisa das linhas 1 a %4.</source>
        <translation>Table %1 of case %2 has no factor row %3; the analysis needs rows 1 to %4.</translation>
    </message>
    <message>
        <source>O case %1 tem &quot;%2&quot; como quantidade de fatores; a análise aceita de 4 a 25. Corrija no cadastro de casos.</source>
        <translation>Case %1 has &quot;%2&quot; as its number of factors; the analysis takes 4 to 25. Correct it in the case register.</translation>
    </message>
    <message>
        <source>Dados do case inválidos</source>
        <translation>Case data not valid</translation>
    </message>
</context>
<context>
    <name>frmEquipe</name>
    <message>
        <source>Julgamento em equipe</source>
        <translation>Team judgement</translation>
    </message>
    <message>
        <source>Membros</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>Membro</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>Causa raiz</source>
        <translation>Root cause</translation>
    </message>
    <message>
        <source>Arquivo</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Adicionar…</source>
        <translation>&amp;Add…</translation>
    </message>
    <message>
        <source>&amp;Remover</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>Ranking da equipe</source>
        <translation>Team ranking</translation>
    </message>
    <message>
        <source>Concordância</source>
        <translation>Agreement</translation>
    </message>
    <message>
        <source>Pares a discutir</source>
        <translation>Pairs to discuss</translation>
    </message>
    <message>
        <source>Impressora:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>Impressora</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>&amp;Gravar no case</source>
        <translation>&amp;Save to case</translation>
    </message>
    <message>
        <source>E&amp;xportar…</source>
        <translation>E&amp;xport…</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>fora da concordância: %1</source>
        <translation>left out of the agreement: %1</translation>
    </message>
    <message>
        <source>Fator</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Equipe</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Dispersão</source>
        <translation>Spread</translation>
    </message>
    <message>
        <source>%1 de %2 pares têm dispersão de 2 ou mais e vêm primeiro, destacados.</source>
        <translation>%1 of %2 pairs have a spread of 2 or more and come first, marked.</translation>
    </message>
    <message>
        <source>Adicione de %1 a %2 membros: o arquivo do case que cada um exportou.</source>
        <translation>Add %1 to %2 members: the case file each of them exported.</translation>
    </message>
    <message>
        <source>%1 fica fora da concordância: %2</source>
        <translation>%1 is left out of the agreement: %2</translation>
    </message>
    <message>
        <source>Uma equipe tem no máximo %1 membros; com estes %2 arquivos seriam %3. Nenhum foi adicionado.</source>
        <translation>A team has at most %1 members; with these %2 files it would have %3. None was added.</translation>
    </message>
    <message>
        <source>%1 não foi adicionado:</source>
        <translation>%1 was not added:</translation>
    </message>
    <message>
        <source>%1 não foi adicionado: os seus fatores não são os deste case (%2 no case, %3 no arquivo).</source>
        <translation>%1 was not added: its factors are not this case&apos;s (%2 in the case, %3 in the file).</translation>
    </message>
    <message>
        <source>Faltam no arquivo: %1</source>
        <translation>Missing from the file: %1</translation>
    </message>
    <message>
        <source>Sobram no arquivo: %1</source>
        <translation>Extra in the file: %1</translation>
    </message>
    <message>
        <source>Adicionar membros</source>
        <translation>Add members</translation>
    </message>
    <message>
        <source>Uma equipe tem de %1 a %2 membros; esta tem %3.</source>
        <translation>A team has %1 to %2 members; this one has %3.</translation>
    </message>
    <message>
        <source>Gravar no case</source>
        <translation>Save to case</translation>
    </message>
    <message>
        <source>O case %1 (%2) já tem julgamentos. Substituí-los pela matriz da equipe de %3 membros?</source>
        <translation>Case %1 (%2) already holds judgements. Replace them with the matrix of the team of %3 members?</translation>
    </message>
    <message>
        <source>A matriz da equipe foi gravada no case %1: %2 fatores, %3 pares julgados. Analise o case para ver o seu resultado.</source>
        <translation>The team matrix was saved to case %1: %2 factors, %3 pairs judged. Analyse the case to see its result.</translation>
    </message>
    <message>
        <source>Exportar julgamento da equipe</source>
        <translation>Export team judgement</translation>
    </message>
    <message>
        <source>equipe</source>
        <translation>team</translation>
    </message>
    <message>
        <source>Salvar julgamento da equipe em PDF</source>
        <translation>Save team judgement as PDF</translation>
    </message>
    <message>
        <source>O julgamento da equipe foi salvo em:</source>
        <translation>The team judgement was saved to:</translation>
    </message>
</context>
<context>
    <name>frmEventos</name>
    <message>
        <source>Fatores</source>
        <translation>Factors</translation>
    </message>
    <message>
        <source>São %1 nomes para colar a partir da linha %2, mas só cabem %3: o case tem %4 fatores. Nada foi colado.</source>
        <translation>There are %1 names to paste from row %2, but only %3 fit: the case has %4 factors. Nothing was pasted.</translation>
    </message>
    <message>
        <source>Nomes não colados</source>
        <translation>Names not pasted</translation>
    </message>
</context>
<context>
    <name>frmInformacoes</name>
    <message>
        <source>Logotipo KV</source>
        <translation>KV logo</translation>
    </message>
</context>
<context>
    <name>frmMapa</name>
    <message>
        <source>Alça para redimensionar</source>
        <translation>Resize handle</translation>
    </message>
    <message>
        <source>Consistência e firmeza</source>
        <translation>Consistency and firmness</translation>
    </message>
</context>
<context>
    <name>frmResultado</name>
    <message>
        <source>Veredito</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Logotipo KV</source>
        <translation>KV logo</translation>
    </message>
    <message>
        <source>Fatores por E-Mach</source>
        <translation>Factors by E-Mach</translation>
    </message>
    <message>
        <source>Legenda das cores</source>
        <translation>Colour legend</translation>
    </message>
    <message>
        <source>Ciano</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Amarelo</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Verde</source>
        <translation>Green</translation>
    </message>
</context>
</TS>
