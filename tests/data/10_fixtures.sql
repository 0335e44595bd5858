-- Two studios, their staff and their clients' events. Written in UTF-8 and loaded with a
-- UTF-8 client character set; the server stores the text as latin1.
USE zelvarion;

INSERT INTO empresa (id_empresa, razao, nome_fantazia) VALUES
  (1, 'Foto Estúdio Ação Ltda.', 'Estúdio Ação'),
  (2, 'Imagem & Memória Fotografia S/A', 'Imagem & Memória');

-- Logins are stored in lower case and passwords in upper case, as the login window sends
-- them. The row without login lets the tests show that an empty login never gets in.
INSERT INTO usuario (login, senha, nome, id_empresa) VALUES
  ('ana', 'SOL123', 'Ana Conceição', 1),
  ('joao', 'LUA-456', 'João Gonçalves', 1),
  ('marcia', 'MAR789', 'Márcia Brandão', 2),
  ('', '', 'Conta sem login', 2);

INSERT INTO tipo_evento (id_tipo_evento, descricao) VALUES
  (1, 'Casamento'),
  (2, 'Formatura'),
  (3, 'Aniversário de 15 Anos'),
  (4, 'Batizado');

INSERT INTO evento (id_evento, id_empresa, id_tipo_evento, data_evento, nome, hora,
                    tel_residencial, tel_comercial, tel_celular) VALUES
  (101, 1, 1, '2023-05-20', 'Luíza Araújo', '16:30', '(11) 3333-0101', '(11) 4004-0101', '(11) 99999-0101'),
  (102, 1, 2, '2023-07-08', 'Sebastião Magalhães', '20:00', '(11) 3333-0102', '', '(11) 98888-0102'),
  (103, 1, 3, '2023-02-11', 'Helena Simões', '19:00', '', '', '(11) 97777-0103'),
  (104, 1, 4, '2023-05-20', 'André Conceição', '10:00', '(11) 3333-0104', '', ''),
  (105, 1, 1, '2024-01-13', 'Cecília D''Ávila', '17:00', '', '(11) 4004-0105', ''),
  (201, 2, 1, '2023-06-03', 'Joana Assunção', '18:00', '(21) 2222-0201', '', ''),
  (202, 2, 2, '2023-12-15', 'Luíza Pereira', '21:00', '', '', '(21) 96666-0202');

-- Event 101 has two search rows that both contain "Araújo".
INSERT INTO evento_localizador (id_evento, localizador) VALUES
  (101, 'Luíza Araújo'),
  (101, 'Casamento Luíza Araújo - Igreja Matriz'),
  (102, 'Sebastião Magalhães'),
  (103, 'Helena Simões'),
  (104, 'André Conceição'),
  (105, 'Cecília D''Ávila'),
  (201, 'Joana Assunção'),
  (202, 'Luíza Pereira');

-- Chosen photos. Categories: 7 Ampliação, 8 Bioombo, 9 Outros, 5 Álbum, 6 Capa. Event 101
-- has all five plus an unknown category 4; event 102 only two; event 103 none. The row of
-- studio 2 on event 101 must never reach studio 1.
INSERT INTO x9_foto_escolhida (id_foto_escolhida, id_empresa, id_evento, id_x9_local, nome_foto) VALUES
  (1001, 1, 101, 7, 'DSC_0001.jpg'),
  (1002, 1, 101, 7, 'DSC_0002.jpg'),
  (1003, 1, 101, 7, 'Cerimônia_Entrada_Noiva.jpg'),
  (1004, 1, 101, 8, 'DSC_0101.jpg'),
  (1005, 1, 101, 9, 'DSC_0201.jpg'),
  (1006, 1, 101, 9, 'DSC_0202.jpg'),
  (1007, 1, 101, 5, 'DSC_0301.jpg'),
  (1008, 1, 101, 5, 'DSC_0302.jpg'),
  (1009, 1, 101, 5, 'DSC_0303.jpg'),
  (1010, 1, 101, 5, 'Álbum_Família_Araújo_Conceição_Recepção_000001.jpg'),
  (1011, 1, 101, 6, 'Capa_Luíza.jpg'),
  (1012, 1, 101, 4, 'DSC_0401.jpg'),
  (1013, 1, 101, 4, 'DSC_0402.jpg'),
  (1021, 1, 102, 7, 'FORM_0001.jpg'),
  (1022, 1, 102, 7, 'FORM_0002.jpg'),
  (1023, 1, 102, 5, 'FORM_0100.jpg'),
  (1041, 1, 104, 7, 'BATIZADO_0001.jpg'),
  (2001, 2, 201, 7, 'JOANA_0001.jpg'),
  (2002, 2, 101, 7, 'OUTRO_ESTUDIO.jpg');
