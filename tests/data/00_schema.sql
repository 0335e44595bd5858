-- The studio web site's tables, as far as the desktop tool reads them. The site stores
-- Portuguese text in latin1 tables, so the tests see the same conversions as the studio.
CREATE DATABASE zelvarion CHARACTER SET latin1 COLLATE latin1_swedish_ci;
USE zelvarion;

CREATE TABLE empresa (
  id_empresa int(11) NOT NULL AUTO_INCREMENT,
  razao varchar(60) NOT NULL DEFAULT '',
  nome_fantazia varchar(60) NOT NULL DEFAULT '',
  PRIMARY KEY (id_empresa)
) ENGINE=MyISAM DEFAULT CHARSET=latin1 COLLATE=latin1_swedish_ci;

CREATE TABLE usuario (
  id_usuario int(11) NOT NULL AUTO_INCREMENT,
  login varchar(12) NOT NULL DEFAULT '',
  senha varchar(20) NOT NULL DEFAULT '',
  nome varchar(30) NOT NULL DEFAULT '',
  id_empresa int(11) NOT NULL DEFAULT 0,
  PRIMARY KEY (id_usuario),
  KEY login (login)
) ENGINE=MyISAM DEFAULT CHARSET=latin1 COLLATE=latin1_swedish_ci;

CREATE TABLE tipo_evento (
  id_tipo_evento int(11) NOT NULL AUTO_INCREMENT,
  descricao varchar(30) NOT NULL DEFAULT '',
  PRIMARY KEY (id_tipo_evento)
) ENGINE=MyISAM DEFAULT CHARSET=latin1 COLLATE=latin1_swedish_ci;

CREATE TABLE evento (
  id_evento int(11) NOT NULL AUTO_INCREMENT,
  id_empresa int(11) NOT NULL DEFAULT 0,
  id_tipo_evento int(11) NOT NULL DEFAULT 0,
  data_evento date NOT NULL,
  nome varchar(30) NOT NULL DEFAULT '',
  hora varchar(5) NOT NULL DEFAULT '',
  tel_residencial varchar(15) NOT NULL DEFAULT '',
  tel_comercial varchar(15) NOT NULL DEFAULT '',
  tel_celular varchar(15) NOT NULL DEFAULT '',
  PRIMARY KEY (id_evento),
  KEY id_empresa (id_empresa)
) ENGINE=MyISAM DEFAULT CHARSET=latin1 COLLATE=latin1_swedish_ci;

CREATE TABLE evento_localizador (
  id_evento_localizador int(11) NOT NULL AUTO_INCREMENT,
  id_evento int(11) NOT NULL DEFAULT 0,
  localizador varchar(100) NOT NULL DEFAULT '',
  PRIMARY KEY (id_evento_localizador),
  KEY id_evento (id_evento)
) ENGINE=MyISAM DEFAULT CHARSET=latin1 COLLATE=latin1_swedish_ci;

CREATE TABLE x9_foto_escolhida (
  id_foto_escolhida int(11) NOT NULL AUTO_INCREMENT,
  id_empresa int(11) NOT NULL DEFAULT 0,
  id_evento int(11) NOT NULL DEFAULT 0,
  id_x9_local int(11) NOT NULL DEFAULT 0,
  nome_foto varchar(50) NOT NULL DEFAULT '',
  PRIMARY KEY (id_foto_escolhida),
  KEY escolha (id_empresa, id_evento, id_x9_local)
) ENGINE=MyISAM DEFAULT CHARSET=latin1 COLLATE=latin1_swedish_ci;
